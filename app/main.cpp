#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "main/main.h"

namespace {

// Every size rendered into the resource, so each place picks the one it draws best.
QIcon ApplicationIcon()
{
    QIcon icon;
    QDirIterator files(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        icon.addFile(files.next());
    return icon;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(ApplicationIcon());
    // Lets the desktop match the window to its entry, and so to the icon in the task bar.
    QGuiApplication::setDesktopFileName(ZOLVIK_APP_ID);
    int result = 0;
    {
        TfrmMain frmMain;
        frmMain.show();
        result = app.exec();
    }  // destroying the window writes the settings
    return result;
}
