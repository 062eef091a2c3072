// "Links": makes a directory symbolic link from a name, the folder to hold it and the folder
// it points to.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/u_utils.h"
#include "main/main.h"
#include "platform/prompts.h"
#include "main/named_control.h"
#include "platform/platform.h"
#include "common/errors.h"
#include "tools/link_command.h"

namespace {

QLabel *MakeBar(QWidget *parent, const char *name, const QString &caption, const QColor &colour,
                const QRect &place)
{
    auto *bar = new QLabel(caption, parent);
    bar->setObjectName(name);
    bar->setGeometry(place);
    bar->setAlignment(Qt::AlignCenter);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(palette);
    QFont font = bar->font();
    font.setBold(true);
    bar->setFont(font);
    return bar;
}

}  // namespace

void TfrmMain::CreateLinksPage(QWidget *page)
{
    auto *panel = new QFrame(page);
    panel->setObjectName("PanelLinks");
    panel->setGeometry(208, 120, 497, 345);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    QLabel *header = MakeBar(panel, "PanelLinkHeader", "Create a Symbolic Link from a Directory",
                             QColor(0x40, 0x40, 0x40), QRect(2, 2, 493, 30));
    QFont headerFont = header->font();
    headerFont.setPixelSize(15);
    header->setFont(headerFont);
    CreateNamed<QLabel>(panel, "LabelLinkNote", QRect(16, 42, 465, 16),
                        "The symbolic link is created using the mklink utility of Windows 7 or higher");

    MakeBar(panel, "PanelLinkName", "Link Simbólico", QColor(0, 0, 255), QRect(16, 68, 465, 22));
    CreateNamed<QLabel>(panel, "LabelDestName", QRect(16, 98, 200, 16), "Symbolic Link Name");
    edtDestName = CreateNamed<QLineEdit>(panel, "edtDestName", QRect(16, 116, 430, 21));
    CreateNamed<QLabel>(panel, "LabelDestDir", QRect(16, 146, 200, 16), "Location to Create");
    edtDestDir = CreateNamed<QLineEdit>(panel, "edtDestDir", QRect(16, 164, 430, 21));
    btnLinkDest = CreateNamed<QPushButton>(panel, "btnLinkDest", QRect(452, 163, 29, 23), "...");

    MakeBar(panel, "PanelLinkTarget", "Directory Pointing", QColor(128, 0, 128),
            QRect(16, 200, 465, 22));
    edtOrgDir = CreateNamed<QLineEdit>(panel, "edtOrgDir", QRect(16, 232, 430, 21));
    btnLinkOrg = CreateNamed<QPushButton>(panel, "btnLinkOrg", QRect(452, 231, 29, 23), "...");

    btnCreatLink = CreateNamed<QPushButton>(panel, "btnCreatLink", QRect(2, 276, 493, 67),
                                            "Create Symbolic Link");
    btnCreatLink->setFlat(true);
    btnCreatLink->setFocusPolicy(Qt::NoFocus);

    setTabOrder(edtDestName, edtDestDir);
    setTabOrder(edtDestDir, btnLinkDest);
    setTabOrder(btnLinkDest, edtOrgDir);
    setTabOrder(edtOrgDir, btnLinkOrg);

    connect(btnLinkDest, &QPushButton::clicked, this, [this] { btnLinkDestClick(btnLinkDest); });
    connect(btnLinkOrg, &QPushButton::clicked, this, [this] { btnLinkOrgClick(btnLinkOrg); });
    connect(btnCreatLink, &QPushButton::clicked, this, [this] { btnCreatLinkClick(btnCreatLink); });
}

void TfrmMain::btnLinkOrgClick(QObject *)
{
    HandleErrors([&] {
        // A cancelled picker leaves the text empty, and the field with it.
        QString folder;
        BrowseFolder(folder, "Apontar o Diretório para ser Criado o Link Simbólico");
        edtOrgDir->setText(folder);
    });
}

void TfrmMain::btnLinkDestClick(QObject *)
{
    HandleErrors([&] {
        QString folder;
        BrowseFolder(folder, "Diretório a ser Criado o Link Simbólico");
        edtDestDir->setText(folder);
    });
}

void TfrmMain::btnCreatLinkClick(QObject *)
{
    HandleErrors([&] {
        const QString name = edtDestName->text();
        const QString location = edtDestDir->text();
        const QString target = edtOrgDir->text();
        if (!zolvik::LinkFieldsFilled(name.toStdString(), location.toStdString(),
                                      target.toStdString())) {
            platform::CurrentPrompts().ShowMessage(this, QMessageBox::Information, ApplicationTitle(),
                                                   QString::fromUtf8(zolvik::kLinkFieldsMissing));
            return;
        }
        const QString parameters = QString::fromStdString(zolvik::LinkCommandParameters(
            location.toStdString(), name.toStdString(), target.toStdString()));
        const QString failure = platform::LinkDirectory(location, name, target, parameters);
        if (!failure.isEmpty())
            throw zolvik::Error(failure.toStdString());
    });
}
