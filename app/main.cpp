#include <QApplication>

#include "main/main.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int result = 0;
    {
        TfrmMain frmMain;
        frmMain.show();
        result = app.exec();
    }  // destroying the window writes the settings
    return result;
}
