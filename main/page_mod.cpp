// MOD page: placeholder until the page is built.
#include <QLineEdit>

#include "main/main.h"

void TfrmMain::CreateModPage(QWidget *page)
{
    edtModInit = new QLineEdit("0", page);
    edtModInit->setObjectName("edtModInit");
    edtModInit->setGeometry(10, 10, 120, 21);
    edtModFim = new QLineEdit("100", page);
    edtModFim->setObjectName("edtModFim");
    edtModFim->setGeometry(10, 40, 120, 21);
    edtMod = new QLineEdit("1", page);
    edtMod->setObjectName("edtMod");
    edtMod->setGeometry(10, 70, 120, 21);
}

void TfrmMain::btnModClick(QObject *) {}

void TfrmMain::memMODDblClick(QObject *) {}
