// Steinhart-Hart page: placeholder until the page is built.
#include <QLineEdit>

#include "main/main.h"

void TfrmMain::CreateSteinhartPage(QWidget *page)
{
    edtT1 = new QLineEdit("", page);
    edtT1->setObjectName("edtT1");
    edtT1->setGeometry(10, 10, 120, 21);
    edtT2 = new QLineEdit("", page);
    edtT2->setObjectName("edtT2");
    edtT2->setGeometry(10, 40, 120, 21);
    edtT3 = new QLineEdit("", page);
    edtT3->setObjectName("edtT3");
    edtT3->setGeometry(10, 70, 120, 21);
    edtR1 = new QLineEdit("", page);
    edtR1->setObjectName("edtR1");
    edtR1->setGeometry(10, 100, 120, 21);
    edtR2 = new QLineEdit("", page);
    edtR2->setObjectName("edtR2");
    edtR2->setGeometry(10, 130, 120, 21);
    edtR3 = new QLineEdit("", page);
    edtR3->setObjectName("edtR3");
    edtR3->setGeometry(10, 160, 120, 21);
}

void TfrmMain::btnSteinhartClick(QObject *) {}

void TfrmMain::btnCalcSteinhartClick(QObject *) {}

void TfrmMain::edtResChange(QObject *) {}
