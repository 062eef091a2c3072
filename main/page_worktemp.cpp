// WorkTemp page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateWorkTempPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::btConv1Click(QObject *) {}

void TfrmMain::btConv2Click(QObject *) {}
