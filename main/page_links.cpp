// "Links": makes a directory symbolic link from a name, the folder to hold it and the folder
// it points to.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "main/controls.h"
#include "main/main.h"
#include "platform/prompts.h"
#include "platform/u_utils.h"
#include "platform/platform.h"
#include "common/errors.h"
#include "tools/link_command.h"

namespace {

// A caption in bold white on a coloured bar.
QLabel *MakeBar(QWidget *parent, const char *name, const controls::Place &place,
                const QColor &colour, const QString &caption)
{
    using namespace controls;
    QLabel *bar = Bold(Centred(Make<QLabel>(parent, name, place, caption)));
    SetBackground(bar, colour);
    SetColour(bar, QPalette::WindowText, Qt::white);
    return bar;
}

}  // namespace

void TfrmMain::CreateLinksPage(QWidget *page)
{
    using namespace controls;
    auto *panel = Framed(Make<QFrame>(page, "PanelLinks", {208, 120, 497, 345}),
                         QFrame::Panel | QFrame::Raised);

    QLabel *header = MakeBar(panel, "PanelLinkHeader", {2, 2, 493, 30}, QColor(0x40, 0x40, 0x40),
                             "Create a Symbolic Link from a Directory");
    QFont headerFont = header->font();
    headerFont.setPixelSize(15);
    header->setFont(headerFont);
    MakeBar(panel, "PanelLinkName", {16, 68, 465, 22}, QColor(0, 0, 255), "Link Simbólico");
    MakeBar(panel, "PanelLinkTarget", {16, 200, 465, 22}, QColor(128, 0, 128),
            "Directory Pointing");

    const Row<QLabel, TfrmMain> captions[] = {
        {nullptr,
         "LabelLinkNote",
         {16, 42, 465, 16},
         "The symbolic link is created using the mklink utility of Windows 7 or higher"},
        {nullptr, "LabelDestName", {16, 98, 200, 16}, "Symbolic Link Name"},
        {nullptr, "LabelDestDir", {16, 146, 200, 16}, "Location to Create"},
    };
    const Row<QLineEdit, TfrmMain> folders[] = {
        {&TfrmMain::edtDestName, "edtDestName", {16, 116, 430, 21}},
        {&TfrmMain::edtDestDir, "edtDestDir", {16, 164, 430, 21}},
        {&TfrmMain::edtOrgDir, "edtOrgDir", {16, 232, 430, 21}},
    };
    const Row<QPushButton, TfrmMain> buttons[] = {
        {&TfrmMain::btnLinkDest, "btnLinkDest", {452, 163, 29, 23}, "..."},
        {&TfrmMain::btnLinkOrg, "btnLinkOrg", {452, 231, 29, 23}, "..."},
        {&TfrmMain::btnCreatLink, "btnCreatLink", {2, 276, 493, 67}, "Create Symbolic Link"},
    };
    MakeRows(this, panel, captions);
    MakeRows(this, panel, folders);
    MakeRows(this, panel, buttons);
    btnCreatLink->setFlat(true);
    btnCreatLink->setFocusPolicy(Qt::NoFocus);

    TabChain({edtDestName, edtDestDir, btnLinkDest, edtOrgDir, btnLinkOrg});
    OnClick(btnLinkDest, this, &TfrmMain::btnLinkDestClick);
    OnClick(btnLinkOrg, this, &TfrmMain::btnLinkOrgClick);
    OnClick(btnCreatLink, this, &TfrmMain::btnCreatLinkClick);
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
            platform::CurrentPrompts().ShowMessage(this, QMessageBox::Information,
                                                   ApplicationTitle(),
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
