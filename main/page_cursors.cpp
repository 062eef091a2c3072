// Cursors page: placeholder until the page is built.

#include "main/main.h"

void TfrmMain::CreateCursorsPage(QWidget *page)
{
    Q_UNUSED(page);
}

void TfrmMain::spi_CurXPointChange(QObject *) {}

void TfrmMain::spi_CurYPointChange(QObject *) {}

void TfrmMain::btn_CurShape1Click(QObject *) {}

void TfrmMain::btn_CurShape2Click(QObject *) {}

void TfrmMain::btn_CurShape3Click(QObject *) {}

void TfrmMain::btn_CurClearClick(QObject *) {}

void TfrmMain::btn_CurCreateClick(QObject *) {}

void TfrmMain::btn_CurSaveBinClick(QObject *) {}

void TfrmMain::btn_CurLoadBinClick(QObject *) {}
