// Links page: placeholder until the page is built.
#include <QLineEdit>

#include "main/main.h"

void TfrmMain::CreateLinksPage(QWidget *page)
{
    edtDestName = new QLineEdit("", page);
    edtDestName->setObjectName("edtDestName");
    edtDestName->setGeometry(10, 10, 120, 21);
    edtDestDir = new QLineEdit("", page);
    edtDestDir->setObjectName("edtDestDir");
    edtDestDir->setGeometry(10, 40, 120, 21);
    edtOrgDir = new QLineEdit("", page);
    edtOrgDir->setObjectName("edtOrgDir");
    edtOrgDir->setGeometry(10, 70, 120, 21);
}

void TfrmMain::btnLinkOrgClick(QObject *) {}

void TfrmMain::btnLinkDestClick(QObject *) {}

void TfrmMain::btnCreatLinkClick(QObject *) {}
