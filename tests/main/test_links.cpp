#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/tab_order.h"
#include "tests/support/window_fixture.h"

namespace {

using LinksPage = zolvik_test::WindowTest;

const QString kMissing = QString::fromUtf8("Todos os três campos devem estar preenchidos");

using zolvik_test::NextTabStop;

TEST_F(LinksPage, ControlsInPlaceWithTheirTexts)
{
    TfrmMain &frm = Open();
    EXPECT_EQ(frm.PageControl->tabText(frm.PageControl->indexOf(frm.TabSheet5)), "Links");
    EXPECT_EQ(Find<QLabel>("PanelLinkHeader")->text(), "Create a Symbolic Link from a Directory");
    EXPECT_EQ(Find<QLabel>("LabelLinkNote")->text(),
              "The symbolic link is created using the mklink utility of Windows 7 or higher");
    EXPECT_EQ(Find<QLabel>("PanelLinkName")->text(), QString::fromUtf8("Link Simbólico"));
    EXPECT_EQ(Find<QLabel>("LabelDestName")->text(), "Symbolic Link Name");
    EXPECT_EQ(Find<QLabel>("LabelDestDir")->text(), "Location to Create");
    EXPECT_EQ(Find<QLabel>("PanelLinkTarget")->text(), "Directory Pointing");
    EXPECT_EQ(Find<QPushButton>("btnLinkDest")->text(), "...");
    EXPECT_EQ(Find<QPushButton>("btnLinkOrg")->text(), "...");

    auto *create = Find<QPushButton>("btnCreatLink");
    EXPECT_EQ(create->text(), "Create Symbolic Link");
    EXPECT_TRUE(create->isFlat());
    EXPECT_EQ(create->focusPolicy(), Qt::NoFocus);

    // Top to bottom: bars, name, location, target bar, target, and the button at the bottom.
    const auto top = [this](const char *name) {
        QWidget *control = Find<QWidget>(name);
        return control->mapTo(window->TabSheet5, QPoint(0, 0)).y();
    };
    EXPECT_LT(top("PanelLinkHeader"), top("LabelLinkNote"));
    EXPECT_LT(top("LabelLinkNote"), top("PanelLinkName"));
    EXPECT_LT(top("PanelLinkName"), top("edtDestName"));
    EXPECT_LT(top("edtDestName"), top("edtDestDir"));
    EXPECT_EQ(top("edtDestDir"), top("btnLinkDest") + 1);
    EXPECT_LT(top("edtDestDir"), top("PanelLinkTarget"));
    EXPECT_LT(top("PanelLinkTarget"), top("edtOrgDir"));
    EXPECT_LT(top("edtOrgDir"), top("btnCreatLink"));

    // Keyboard order: name, location, its "...", target, its "...".
    EXPECT_EQ(NextTabStop(frm.edtDestName), frm.edtDestDir);
    EXPECT_EQ(NextTabStop(frm.edtDestDir), frm.btnLinkDest);
    EXPECT_EQ(NextTabStop(frm.btnLinkDest), frm.edtOrgDir);
    EXPECT_EQ(NextTabStop(frm.edtOrgDir), frm.btnLinkOrg);
}

TEST_F(LinksPage, EachEmptyFieldShowsTheSameMessage)
{
    TfrmMain &frm = Open();
    QTemporaryDir place;
    const QString filled[3] = {"links", place.path(), place.path()};
    QLineEdit *fields[3] = {frm.edtDestName, frm.edtDestDir, frm.edtOrgDir};
    for (int empty = 0; empty < 3; ++empty) {
        for (int i = 0; i < 3; ++i)
            fields[i]->setText(i == empty ? QString() : filled[i]);
        auto box = CaptureNextMessageBox();
        QTest::mouseClick(frm.btnCreatLink, Qt::LeftButton);
        ASSERT_TRUE(box->seen) << empty;
        EXPECT_EQ(box->text, kMissing) << empty;
        EXPECT_EQ(box->icon, QMessageBox::Information) << empty;
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    }
    EXPECT_TRUE(QDir(place.path())
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                    .isEmpty());
}

TEST_F(LinksPage, CreatesARealLinkAndShowsNothing)
{
    TfrmMain &frm = Open();
    QTemporaryDir place;
    ASSERT_TRUE(QDir(place.path()).mkdir("data"));
    ASSERT_TRUE(QDir(place.path()).mkdir("work"));
    const QString target = place.filePath("data");
    frm.edtDestName->setText("links");
    frm.edtDestDir->setText(place.filePath("work"));
    frm.edtOrgDir->setText(target);

    QTest::mouseClick(frm.btnCreatLink, Qt::LeftButton);
    EXPECT_TRUE(prompts.Asked().isEmpty());

    const QFileInfo link(place.filePath("work/links"));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.symLinkTarget(), target);
    EXPECT_TRUE(link.isDir());
}

TEST_F(LinksPage, BlankNameIsUsedAsItStands)
{
    TfrmMain &frm = Open();
    QTemporaryDir place;
    frm.edtDestName->setText(" ");
    frm.edtDestDir->setText(place.path());
    frm.edtOrgDir->setText(place.path());
    frm.btnCreatLinkClick(frm.btnCreatLink);
    EXPECT_TRUE(QFileInfo(place.path() + "/ ").isSymLink());
}

TEST_F(LinksPage, TakenNameOrMissingLocationShowsTheSystemsReason)
{
    TfrmMain &frm = Open();
    QTemporaryDir place;
    ASSERT_TRUE(QDir(place.path()).mkdir("links"));
    frm.edtDestName->setText("links");
    frm.edtDestDir->setText(place.path());
    frm.edtOrgDir->setText("/");

    auto box = CaptureNextMessageBox();
    QTest::mouseClick(frm.btnCreatLink, Qt::LeftButton);
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    EXPECT_EQ(box->text, "Cannot create link \"" + place.path() + "/links\". File exists.");
    EXPECT_FALSE(QFileInfo(place.filePath("links")).isSymLink());

    frm.edtDestDir->setText(place.filePath("nowhere"));
    auto missing = CaptureNextMessageBox();
    QTest::mouseClick(frm.btnCreatLink, Qt::LeftButton);
    ASSERT_TRUE(missing->seen);
    EXPECT_EQ(missing->text, "Cannot create link \"" + place.path() +
                                 "/nowhere/links\". No such file or directory.");
}

TEST_F(LinksPage, PickersFillTheirFieldsAndCancelEmptiesThem)
{
    TfrmMain &frm = Open();
    QTemporaryDir place;
    ASSERT_TRUE(QDir(place.path()).mkdir("work"));
    ASSERT_TRUE(QDir(place.path()).mkdir("data"));

    prompts.Answer(place.filePath("work"));
    QTest::mouseClick(frm.btnLinkDest, Qt::LeftButton);
    EXPECT_EQ(prompts.LastAsked().kind, zolvik_test::Question::Folder);
    EXPECT_EQ(prompts.LastAsked().title,
              QString::fromUtf8("Diretório a ser Criado o Link Simbólico"));
    EXPECT_EQ(frm.edtDestDir->text(), place.filePath("work"));

    prompts.Answer(place.filePath("data"));
    QTest::mouseClick(frm.btnLinkOrg, Qt::LeftButton);
    EXPECT_EQ(prompts.LastAsked().title,
              QString::fromUtf8("Apontar o Diretório para ser Criado o Link Simbólico"));
    EXPECT_EQ(frm.edtOrgDir->text(), place.filePath("data"));

    QTest::mouseClick(frm.btnLinkOrg, Qt::LeftButton);  // no answer: cancelled
    ASSERT_EQ(prompts.Asked().size(), 3);
    EXPECT_EQ(prompts.LastAsked().kind, zolvik_test::Question::Folder);
    EXPECT_EQ(frm.edtOrgDir->text(), "");

    frm.edtDestName->setText("links");
    auto box = CaptureNextMessageBox();
    QTest::mouseClick(frm.btnCreatLink, Qt::LeftButton);
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->text, kMissing);

    QTest::mouseClick(frm.btnLinkDest, Qt::LeftButton);
    EXPECT_EQ(prompts.LastAsked().kind, zolvik_test::Question::Folder);
    EXPECT_EQ(frm.edtDestDir->text(), "");
}

TEST_F(LinksPage, FieldsComeBackOnTheNextStart)
{
    TfrmMain &frm = Open();
    frm.edtDestName->setText(QString::fromUtf8("ligação"));
    frm.edtDestDir->setText("/home/user/work");
    frm.edtOrgDir->setText("/data");
    Close();
    TfrmMain &again = Open();
    EXPECT_EQ(again.edtDestName->text(), QString::fromUtf8("ligação"));
    EXPECT_EQ(again.edtDestDir->text(), "/home/user/work");
    EXPECT_EQ(again.edtOrgDir->text(), "/data");
}

}  // namespace
