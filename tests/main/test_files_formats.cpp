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
using zolvik_test::WriteFile;

class TableFormatsTest : public zolvik_test::WindowTest {
protected:
    // Ticks the panel, sets its fields and clicks "Create" on `input`; returns the box shown.
    std::shared_ptr<zolvik_test::CapturedBox> Create(const QString &input, const char *format,
                                                     const char *name, bool bigEndian,
                                                     const char *pad)
    {
        Find<QCheckBox>("cbxTableFormat")->setChecked(true);
        Find<QComboBox>("cbbTableFormat")->setCurrentText(format);
        Find<QLineEdit>("edtTableName")->setText(name);
        Find<QCheckBox>("cbxTableBigEndian")->setChecked(bigEndian);
        Find<QCheckBox>("cbxTablePad")->setChecked(pad != nullptr);
        Find<QLineEdit>("edtTablePad")->setText(pad ? pad : "");
        prompts.Answer(input);
        auto box = CaptureNextMessageBox();
        QTest::mouseClick(Find<QPushButton>("btnCreateTable"), Qt::LeftButton);
        return box;
    }

    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }
    QTemporaryDir files;
};

TEST_F(TableFormatsTest, PanelSitsInFreeSpaceOfTheFilesPage)
{
    Open().show();
    Find<QTabWidget>("PageControl")->setCurrentIndex(1);
    auto *panel = Find<QFrame>("PanelTableFormats");
    QWidget *page = Find<QWidget>("TabSheet1");
    ASSERT_EQ(panel->parentWidget(), page);
    EXPECT_TRUE(page->rect().contains(panel->geometry()));
    for (QWidget *other : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == panel || !other->geometry().intersects(panel->geometry()))
            << other->objectName().toStdString();
    const QRect panelInWindow(panel->mapTo(window.get(), QPoint(0, 0)), panel->size());
    EXPECT_FALSE(panelInWindow.intersects(Find<QWidget>("Button2")->geometry()));

    auto *list = Find<QComboBox>("cbbTableFormat");
    QStringList formats;
    for (int i = 0; i < list->count(); ++i)
        formats << list->itemText(i);
    EXPECT_EQ(formats, (QStringList{"c", "vhdl", "c-stdint", "cpp", "verilog", "coe", "mif",
                                    "vhdl-package"}));
    // Unticked, the options wait; the pad byte waits for its own box too.
    EXPECT_FALSE(list->isEnabled());
    Find<QCheckBox>("cbxTableFormat")->setChecked(true);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("edtTablePad")->isEnabled());
}

TEST_F(TableFormatsTest, CreateWritesTheChosenFormatWithItsOptions)
{
    Open();
    WriteFile(PathOf("boot 2.rom"), QByteArray("\x01\x02\x03", 3));
    Find<QLineEdit>("edtCol")->setText("8");
    Find<QLineEdit>("edtTab")->setText("1");
    QTest::mouseClick(Find<QRadioButton>("rgWord"), Qt::LeftButton);

    auto box = Create(PathOf("boot 2.rom"), "c-stdint", "blob", true, "0xEE");
    EXPECT_FALSE(box->seen) << box->text.toStdString();
    EXPECT_EQ(ReadFile(PathOf("boot 2.h")),
              "#include <stdint.h>\r\n#include <stddef.h>\r\nstatic const uint16_t blob[2] = {\r\n"
              "\t0x0102, 0x03EE\r\n};\r\nstatic const size_t blob_len = 2;\r\n");
    // No name: the one made from the file's name; no padding drops the odd byte.
    box = Create(PathOf("boot 2.rom"), "cpp", "", false, nullptr);
    EXPECT_EQ(
        ReadFile(PathOf("boot 2.hpp")),
        "#include <array>\r\n#include <cstdint>\r\ninline constexpr std::array<std::uint16_t, 1> "
        "boot_2_rom = {\r\n\t0x0201\r\n};\r\n");

    for (const char *pad : {"256", "ff"}) {
        box = Create(PathOf("boot 2.rom"), "verilog", "", false, pad);
        ASSERT_TRUE(box->seen) << pad;
        EXPECT_EQ(box->text, QString("'%1' is no pad byte from 0 to 255.").arg(pad));
    }
    EXPECT_FALSE(QFile::exists(PathOf("boot 2.mem")));
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
    // After every key of before.
    EXPECT_TRUE(
        ReadSettings().endsWith("C=1\r\n\r\n[TABLE]\r\nON=1\r\nFORMAT=vhdl-package\r\nNAME=boot\r\n"
                                "BIG_ENDIAN=0\r\nPAD=1\r\nPAD_BYTE=$00\r\n"))
        << ReadSettings().toStdString();

    Open();
    EXPECT_TRUE(Find<QCheckBox>("cbxTableFormat")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cbbTableFormat")->currentText(), "vhdl-package");
    EXPECT_EQ(Find<QLineEdit>("edtTableName")->text(), "boot");
    EXPECT_FALSE(Find<QCheckBox>("cbxTableBigEndian")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>("edtTablePad")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("edtTablePad")->text(), "$00");
}

}  // namespace
