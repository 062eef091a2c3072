// Runs the window tests under one QApplication, with Qt's own dialogs so tests can answer them.
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    {
        // Qt reopens the last folder of a file dialog process-wide: start it somewhere harmless.
        QTemporaryDir start;
        QFileDialog dialog(nullptr, QString(), start.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
