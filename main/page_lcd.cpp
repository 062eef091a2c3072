// LCD CGRAM page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateLcdPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::edtCharNameChange(QObject *) {}

void TfrmMain::btnClearCharClick(QObject *) {}

void TfrmMain::ClearLcdChar() {}
