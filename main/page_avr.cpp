// AVR page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateAvrPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::btnCalcTimerClick(QObject *) {}
