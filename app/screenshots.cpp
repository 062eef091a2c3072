// Renders every page of the window to a PNG, offscreen: screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "main/main.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir settings;  // a fresh start, without touching the real settings file
    SetSettingsFolderForTesting(settings.path());

    TfrmMain window;
    window.show();
    QApplication::processEvents();
    for (int page = 0; page < window.PageControl->count(); ++page) {
        window.PageControl->setCurrentIndex(page);
        QApplication::processEvents();
        const QString name = QString("page%1-%2.png")
                                 .arg(page, 2, 10, QChar('0'))
                                 .arg(window.PageControl->widget(page)->objectName());
        if (!window.grab().save(output.filePath(name))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
            return 1;
        }
    }
    return 0;
}
