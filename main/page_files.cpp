// Files page: placeholder until the page is built.
#include <QLineEdit>
#include <QRadioButton>

#include "main/main.h"

void TfrmMain::CreateFilesPage(QWidget *page)
{
    edtCol = new QLineEdit("8", page);
    edtCol->setObjectName("edtCol");
    edtCol->setGeometry(10, 10, 120, 21);
    edtTab = new QLineEdit("2", page);
    edtTab->setObjectName("edtTab");
    edtTab->setGeometry(10, 40, 120, 21);
    auto *group0 = new QWidget(page);
    group0->setGeometry(10, 70, 300, 24);
    int group0Left = 0;
    rgByte = new QRadioButton("Byte", group0);
    rgByte->setObjectName("rgByte");
    rgByte->move(group0Left, 0);
    group0Left += 90;
    rgWord = new QRadioButton("Word", group0);
    rgWord->setObjectName("rgWord");
    rgWord->move(group0Left, 0);
    group0Left += 90;
    rgDword = new QRadioButton("DWord", group0);
    rgDword->setObjectName("rgDword");
    rgDword->move(group0Left, 0);
    group0Left += 90;
    auto *group1 = new QWidget(page);
    group1->setGeometry(10, 100, 300, 24);
    int group1Left = 0;
    rgVHDL = new QRadioButton("HEX - VHDL", group1);
    rgVHDL->setObjectName("rgVHDL");
    rgVHDL->move(group1Left, 0);
    group1Left += 90;
    rgC = new QRadioButton("HEX - C", group1);
    rgC->setObjectName("rgC");
    rgC->move(group1Left, 0);
    group1Left += 90;
}

void TfrmMain::btnCreateTableClick(QObject *) {}

void TfrmMain::btnConverterClick(QObject *) {}

void TfrmMain::cbx0Click(QObject *) {}

void TfrmMain::edtv0Change(QObject *) {}

void TfrmMain::edtv1Change(QObject *) {}

void TfrmMain::edtv2Change(QObject *) {}

void TfrmMain::edtv3Change(QObject *) {}

void TfrmMain::edtCelciusChange(QObject *) {}

void TfrmMain::edtFahrenheitChange(QObject *) {}

void TfrmMain::edtKelvinChange(QObject *) {}
