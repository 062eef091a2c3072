// The "Table Formats" panel on the Files page. The formats themselves are tested with the
// ROM table writer; these tests check the wiring.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"

namespace {

using zolvik_test::ReadFile;
using zolvik_test::WindowTest;
using zolvik_test::WriteFile;

class TableFormatsTest : public WindowTest {
protected:
    TfrmMain &OpenOnFilesPage()
    {
        TfrmMain &frm = Open();
        Find<QTabWidget>("PageControl")->setCurrentIndex(1);
        return frm;
    }

    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }

    // Answers the next file dialog with `path` and clicks `button`; returns the message box
    // the click may show.
    std::shared_ptr<zolvik_test::CapturedBox> ClickWithFile(const char *button, const QString &path)
    {
        prompts.Answer(path);
        auto box = CaptureNextMessageBox();
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
        return box;
    }

    QTemporaryDir files;
};

TEST_F(TableFormatsTest, PanelSitsInFreeSpaceOfTheFilesPage)
{
    OpenOnFilesPage().show();
    auto *panel = Find<QFrame>("PanelTableFormats");
    QWidget *page = Find<QWidget>("TabSheet1");
    ASSERT_EQ(panel->parentWidget(), page);
    EXPECT_TRUE(page->rect().contains(panel->geometry()));
    for (QWidget *other : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other == panel)
            continue;
        EXPECT_FALSE(other->geometry().intersects(panel->geometry())) << other->objectName().toStdString();
    }
    auto *exit = Find<QWidget>("Button2");
    const QRect panelInWindow(panel->mapTo(window.get(), QPoint(0, 0)), panel->size());
    EXPECT_FALSE(panelInWindow.intersects(exit->geometry()));
    for (QWidget *control : panel->findChildren<QWidget *>())
        EXPECT_TRUE(panel->rect().contains(control->geometry())) << control->objectName().toStdString();

    QStringList formats;
    auto *list = Find<QComboBox>("cbbTableFormat");
    for (int i = 0; i < list->count(); ++i)
        formats << list->itemText(i);
    EXPECT_EQ(formats, (QStringList{"c", "vhdl", "c-stdint", "cpp", "verilog", "coe", "mif", "vhdl-package"}));
}

TEST_F(TableFormatsTest, OptionsAreEnabledOnlyWhenTicked)
{
    OpenOnFilesPage();
    const char *options[] = {"cbbTableFormat", "edtTableName", "cbxTableBigEndian", "cbxTablePad"};
    for (const char *name : options)
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    QTest::mouseClick(Find<QCheckBox>("cbxTableFormat"), Qt::LeftButton);
    for (const char *name : options)
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(Find<QWidget>("edtTablePad")->isEnabled());
    QTest::mouseClick(Find<QCheckBox>("cbxTablePad"), Qt::LeftButton);
    EXPECT_TRUE(Find<QWidget>("edtTablePad")->isEnabled());
}

TEST_F(TableFormatsTest, CreateWritesTheChosenFormatWithItsOptions)
{
    OpenOnFilesPage();
    WriteFile(PathOf("boot 2.rom"), QByteArray("\x01\x02\x03", 3));
    Find<QLineEdit>("edtCol")->setText("8");
    Find<QLineEdit>("edtTab")->setText("1");
    QTest::mouseClick(Find<QRadioButton>("rgWord"), Qt::LeftButton);
    Find<QCheckBox>("cbxTableFormat")->setChecked(true);

    const struct {
        const char *format;
        const char *name;
        bool bigEndian;
        const char *pad;  // none: no padding
        const char *output;
        QByteArray table;
    } cases[] = {
        {"c-stdint", "blob", true, "0xEE", "boot 2.h",
         "#include <stdint.h>\r\n#include <stddef.h>\r\nstatic const uint16_t blob[2] = {\r\n"
         "\t0x0102, 0x03EE\r\n};\r\nstatic const size_t blob_len = 2;\r\n"},
        // No name: the one made from the file's name; no padding drops the odd byte.
        {"cpp", "", false, nullptr, "boot 2.hpp",
         "#include <array>\r\n#include <cstdint>\r\ninline constexpr std::array<std::uint16_t, 1> "
         "boot_2_rom = {\r\n\t0x0201\r\n};\r\n"},
        {"verilog", "", false, "$7F", "boot 2.mem", "0201\r\n7F03\r\n"},
    };
    for (const auto &test : cases) {
        Find<QComboBox>("cbbTableFormat")->setCurrentText(test.format);
        Find<QLineEdit>("edtTableName")->setText(test.name);
        Find<QCheckBox>("cbxTableBigEndian")->setChecked(test.bigEndian);
        Find<QCheckBox>("cbxTablePad")->setChecked(test.pad != nullptr);
        Find<QLineEdit>("edtTablePad")->setText(test.pad ? test.pad : "");
        const auto box = ClickWithFile("btnCreateTable", PathOf("boot 2.rom"));
        EXPECT_FALSE(box->seen) << box->text.toStdString();
        EXPECT_EQ(ReadFile(PathOf(test.output)), test.table) << test.format;
    }
}

TEST_F(TableFormatsTest, PadByteOutOfRangeIsRefusedAndWritesNothing)
{
    OpenOnFilesPage();
    WriteFile(PathOf("odd.bin"), QByteArray("\x01", 1));
    Find<QCheckBox>("cbxTableFormat")->setChecked(true);
    Find<QCheckBox>("cbxTablePad")->setChecked(true);
    for (const char *pad : {"256", "-1", "ff", ""}) {
        Find<QLineEdit>("edtTablePad")->setText(pad);
        const auto box = ClickWithFile("btnCreateTable", PathOf("odd.bin"));
        ASSERT_TRUE(box->seen) << pad;
        EXPECT_EQ(box->text, QString("'%1' is no pad byte from 0 to 255.").arg(pad));
    }
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files), QStringList{"odd.bin"});
}

TEST_F(TableFormatsTest, PanelIsRememberedInItsOwnSection)
{
    Open();
    Find<QCheckBox>("cbxTableFormat")->setChecked(true);
    Find<QComboBox>("cbbTableFormat")->setCurrentText("vhdl-package");
    Find<QLineEdit>("edtTableName")->setText("boot");
    Find<QCheckBox>("cbxTablePad")->setChecked(true);
    Find<QLineEdit>("edtTablePad")->setText("$00");
    Close();
    const QByteArray ini = ReadSettings();
    // Appended after every key of before.
    EXPECT_TRUE(ini.endsWith("C=1\r\n\r\n[TABLE]\r\nON=1\r\nFORMAT=vhdl-package\r\nNAME=boot\r\n"
                             "BIG_ENDIAN=0\r\nPAD=1\r\nPAD_BYTE=$00\r\n"))
        << ini.toStdString();

    Open();
    EXPECT_TRUE(Find<QCheckBox>("cbxTableFormat")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cbbTableFormat")->currentText(), "vhdl-package");
    EXPECT_EQ(Find<QLineEdit>("edtTableName")->text(), "boot");
    EXPECT_FALSE(Find<QCheckBox>("cbxTableBigEndian")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("cbxTablePad")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>("edtTablePad")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("edtTablePad")->text(), "$00");
}

TEST_F(TableFormatsTest, UnknownStoredFormatOpensTheDefault)
{
    WriteSettings("[TABLE]\nFORMAT=pdf\n");
    Open();
    EXPECT_EQ(Find<QComboBox>("cbbTableFormat")->currentText(), "c-stdint");
}

}  // namespace
