// TabSheet3 page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateColorsPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::Button1Click(QObject *) {}

void TfrmMain::btnClearColorsClick(QObject *) {}

void TfrmMain::btnDelColorClick(QObject *) {}
