// Renders every page of the window to a PNG, offscreen: screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "main/main.h"
#include "main/thermistor_workbench.h"

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

    // The thermistor workbench with a worked example: three points of a 10 kOhm NTC.
    const char *const points[][2] = {{"0", "32650"}, {"25", "10000"}, {"50", "3601"}};
    QLineEdit *const fields[][2] = {{window.edtT1, window.edtR1},
                                    {window.edtT2, window.edtR2},
                                    {window.edtT3, window.edtR3}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            fields[row][column]->setText(points[row][column]);
    window.btnThermistorWorkbenchClick();
    window.Workbench->btnMakeLutClick();
    QApplication::processEvents();
    if (!window.Workbench->grab().save(output.filePath("workbench.png"))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath("workbench.png")));
        return 1;
    }
    return 0;
}
