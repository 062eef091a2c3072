// Fonts page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateFontsPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::btnFontClick(QObject *) {}

void TfrmMain::Button6Click(QObject *) {}
