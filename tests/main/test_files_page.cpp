#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "tests/support/file_bytes.h"
#include "tests/support/tab_order.h"
#include "tests/support/window_fixture.h"

namespace {

using zolvik_test::ReadFile;
using zolvik_test::WindowTest;
using zolvik_test::WriteFile;

class FilesPageTest : public WindowTest {
protected:
    TfrmMain &OpenOnFilesPage()
    {
        TfrmMain &frm = Open();
        Find<QTabWidget>("PageControl")->setCurrentIndex(1);
        return frm;
    }

    QCheckBox *Bit(int n) const { return Find<QCheckBox>(QString("cbx%1").arg(n).toLatin1()); }
    QString Text(const char *name) const { return Find<QLineEdit>(name)->text(); }

    // Types into an entry field key by key, as the user would.
    void Retype(const char *name, const QString &text)
    {
        QLineEdit *edit = Find<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    std::uint32_t BoxesValue() const
    {
        std::uint32_t value = 0;
        for (int n = 0; n < 32; ++n)
            value |= Bit(n)->isChecked() ? (1u << n) : 0u;
        return value;
    }

    // Answers the next file dialog with `path` (none cancels it) and catches the message box
    // the handler may show after it.
    std::shared_ptr<zolvik_test::CapturedBox> ChooseInNextFileDialog(const QString &path)
    {
        prompts.Answer(path.isEmpty() ? std::nullopt : std::optional(path));
        return CaptureNextMessageBox();
    }

    // The file dialog the last click opened.
    platform::FileQuestion LastFileDialog() const
    {
        EXPECT_EQ(prompts.LastAsked().kind, zolvik_test::Question::OpenFile);
        return prompts.LastAsked().file;
    }

    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }

    QTemporaryDir files;
};

// ---- The page and its panels -------------------------------------------------------------

TEST_F(FilesPageTest, RomTablePanelControlsAtTheirPlaces)
{
    OpenOnFilesPage();
    auto *page = Find<QWidget>("TabSheet1");
    auto *panel = Find<QFrame>("Panel1");
    EXPECT_EQ(panel->parentWidget(), page);
    EXPECT_EQ(panel->geometry(), QRect(177, 27, 256, 205));

    auto *title = Find<QLabel>("Panel9");
    EXPECT_EQ(title->parentWidget(), panel);
    EXPECT_EQ(title->text(), "Create a BIN File Table");
    EXPECT_EQ(title->height(), 28);
    EXPECT_LE(title->y(), 2);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pixelSize(), 15);

    EXPECT_EQ(Find<QLabel>("Label1")->text(), "Column Size");
    EXPECT_EQ(Find<QLabel>("Label1")->pos(), QPoint(103, 42));
    EXPECT_EQ(Find<QLineEdit>("edtCol")->geometry(), QRect(166, 38, 41, 21));
    EXPECT_EQ(Find<QLabel>("Label3")->text(), "Number Tabs Beginning of Line");
    EXPECT_EQ(Find<QLabel>("Label3")->pos(), QPoint(13, 65));
    EXPECT_EQ(Find<QLineEdit>("edtTab")->geometry(), QRect(165, 62, 41, 21));
    EXPECT_EQ(Find<QLineEdit>("edtCol")->parentWidget(), panel);

    auto *sizes = Find<QFrame>("Panel8");
    EXPECT_EQ(sizes->parentWidget(), panel);
    EXPECT_EQ(sizes->geometry(), QRect(24, 88, 201, 31));
    const struct {
        const char *name;
        const char *caption;
        QPoint position;
        QFrame *parent;
    } radios[] = {{"rgByte", "Byte", {8, 7}, sizes},
                  {"rgWord", "Word", {71, 8}, sizes},
                  {"rgDword", "DWord", {134, 8}, sizes},
                  {"rgVHDL", "HEX - VHDL", {60, 6}, Find<QFrame>("Panel7")},
                  {"rgC", "HEX - C", {138, 6}, Find<QFrame>("Panel7")}};
    for (const auto &radio : radios) {
        auto *button = Find<QRadioButton>(radio.name);
        EXPECT_EQ(button->text(), radio.caption);
        EXPECT_EQ(button->pos(), radio.position) << radio.name;
        EXPECT_EQ(button->parentWidget(), radio.parent) << radio.name;
    }
    EXPECT_EQ(Find<QFrame>("Panel7")->geometry(), QRect(24, 122, 201, 31));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "Format");
    EXPECT_EQ(Find<QLabel>("Label2")->pos(), QPoint(9, 7));

    auto *create = Find<QPushButton>("btnCreateTable");
    EXPECT_EQ(create->text(), "Create");
    EXPECT_EQ(create->size(), QSize(252, 42));
    EXPECT_GE(create->y() + create->height(), 203);
    EXPECT_TRUE(create->isFlat());
    EXPECT_EQ(create->font().pixelSize(), 15);
}

TEST_F(FilesPageTest, HexToBinPanelAtItsPlace)
{
    OpenOnFilesPage();
    auto *panel = Find<QFrame>("Panel3");
    EXPECT_EQ(panel->parentWidget(), Find<QWidget>("TabSheet1"));
    EXPECT_EQ(panel->geometry(), QRect(456, 27, 257, 205));
    EXPECT_EQ(Find<QLabel>("Panel4")->text(), "Convert Hex To Bin File");
    EXPECT_EQ(Find<QLabel>("Panel4")->height(), 28);
    auto *convert = Find<QPushButton>("btnConverter");
    EXPECT_EQ(convert->parentWidget(), panel);
    EXPECT_EQ(convert->text(), "Convert");
    EXPECT_EQ(convert->size(), QSize(253, 42));
    EXPECT_GE(convert->y() + convert->height(), 203);
}

TEST_F(FilesPageTest, ThreeRadioGroupsNeverUntickEachOther)
{
    OpenOnFilesPage();
    auto *word = Find<QRadioButton>("rgWord");
    auto *vhdl = Find<QRadioButton>("rgVHDL");
    auto *c = Find<QRadioButton>("rgC");
    auto *two = Find<QRadioButton>("rdbDecimal2");
    auto *dword = Find<QRadioButton>("rgDword");
    QTest::mouseClick(word, Qt::LeftButton);
    EXPECT_TRUE(word->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("rgByte")->isChecked());
    EXPECT_TRUE(c->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rdbDecimal1")->isChecked());

    QTest::mouseClick(vhdl, Qt::LeftButton);
    EXPECT_TRUE(vhdl->isChecked());
    EXPECT_FALSE(c->isChecked());
    EXPECT_TRUE(word->isChecked());

    QTest::mouseClick(two, Qt::LeftButton);
    EXPECT_TRUE(two->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("rdbDecimal1")->isChecked());
    EXPECT_TRUE(word->isChecked());
    EXPECT_TRUE(vhdl->isChecked());

    QTest::mouseClick(dword, Qt::LeftButton);
    EXPECT_TRUE(dword->isChecked());
    EXPECT_FALSE(word->isChecked());
    EXPECT_TRUE(two->isChecked());
    EXPECT_TRUE(vhdl->isChecked());
}

// ---- ROM table generator ---------------------------------------------------------------

TEST_F(FilesPageTest, CreateWritesTheTableOfTheChosenFile)
{
    TfrmMain &frm = OpenOnFilesPage();
    WriteFile(PathOf("five.bin"), QByteArray("\x01\x02\x03\x04\x05", 5));
    QTest::mouseClick(Find<QRadioButton>("rgVHDL"), Qt::LeftButton);
    Find<QLineEdit>("edtCol")->setText("2");
    Find<QLineEdit>("edtTab")->setText("1");
    ChooseInNextFileDialog(PathOf("five.bin"));
    QTest::mouseClick(Find<QPushButton>("btnCreateTable"), Qt::LeftButton);
    EXPECT_EQ(ReadFile(PathOf("five.txt")),
              "type tRom_Array is array(0 to 4) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"01\", x\"02\", \r\n"
              "\tx\"03\", x\"04\", \r\n"
              "\tx\"05\" \r\n"
              ");\r\n");

    // Words in C; a column size that is no number gives 8.
    QTest::mouseClick(Find<QRadioButton>("rgWord"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("rgC"), Qt::LeftButton);
    Find<QLineEdit>("edtCol")->setText("eight");
    ChooseInNextFileDialog(PathOf("five.bin"));
    frm.btnCreateTableClick(nullptr);
    EXPECT_EQ(ReadFile(PathOf("five.txt")),
              "const unsigned word data[] = {\r\n\t0x0201, 0x0403 \r\n};\r\n");

    // No size selected: double words; a tab count that is no number gives no tabs.
    SetRadioChecked(Find<QRadioButton>("rgWord"), false);
    Find<QLineEdit>("edtTab")->setText("");
    WriteFile(PathOf("five.bin"), QByteArray("\x01\x02\x03\x04\x05", 5));
    const auto box = ChooseInNextFileDialog(PathOf("five.bin"));
    frm.btnCreateTableClick(nullptr);
    EXPECT_FALSE(box->seen) << box->text.toStdString();
    EXPECT_EQ(ReadFile(PathOf("five.txt")),
              "const unsigned long word data[] = {\r\n0x04030201 \r\n};\r\n");
}

TEST_F(FilesPageTest, CancelledOrMissingFileWritesNothing)
{
    TfrmMain &frm = OpenOnFilesPage();
    const auto cancelled = ChooseInNextFileDialog(QString());
    frm.btnCreateTableClick(nullptr);
    // No filter of its own: the dialog shows every file.
    EXPECT_EQ(LastFileDialog().filter, "");
    EXPECT_EQ(LastFileDialog().defaultSuffix, "");  // no default extension
    EXPECT_EQ(LastFileDialog().fileName, "");
    EXPECT_FALSE(cancelled->seen);

    const auto missing = ChooseInNextFileDialog(PathOf("absent.bin"));
    frm.btnCreateTableClick(nullptr);
    EXPECT_FALSE(missing->seen);
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(FilesPageTest, TxtInputIsRefusedWithAnErrorAndKept)
{
    TfrmMain &frm = OpenOnFilesPage();
    WriteFile(PathOf("table.txt"), "keep me");
    const auto box = ChooseInNextFileDialog(PathOf("table.txt"));
    frm.btnCreateTableClick(nullptr);
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    EXPECT_EQ(box->text,
              "The table would overwrite its own input file " + PathOf("table.txt") + ".");
    EXPECT_EQ(ReadFile(PathOf("table.txt")), "keep me");
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files), QStringList{"table.txt"});
}

TEST_F(FilesPageTest, ReadOnlyInputConverts)
{
    TfrmMain &frm = OpenOnFilesPage();
    WriteFile(PathOf("rom.bin"), "\xAB");
    QFile::setPermissions(PathOf("rom.bin"),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto box = ChooseInNextFileDialog(PathOf("rom.bin"));
    frm.btnCreateTableClick(nullptr);
    EXPECT_FALSE(box->seen);
    EXPECT_EQ(ReadFile(PathOf("rom.txt")), "const unsigned char data[] = {\r\n\t0xAB \r\n};\r\n");
}

// ---- HEX-to-BIN launcher ---------------------------------------------------------------

TEST_F(FilesPageTest, ConverterGetsTheWholePathAsOneArgument)
{
    // A stand-in converter on the search path records what it receives.
    QTemporaryDir binFolder;
    const QString record = QDir(binFolder.path()).filePath("arguments");
    const QString script = QDir(binFolder.path()).filePath("hex2bin.exe");
    WriteFile(script, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + record.toUtf8() +
                          ".part'\nmv '" + record.toUtf8() + ".part' '" + record.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", binFolder.path().toLocal8Bit() + ":" + savedPath);

    TfrmMain &frm = OpenOnFilesPage();
    const QString hexFile = PathOf("my firmware v1.hex");
    WriteFile(hexFile, ":00000001FF\n");
    const auto box = ChooseInNextFileDialog(hexFile);
    QTest::mouseClick(Find<QPushButton>("btnConverter"), Qt::LeftButton);
    qputenv("PATH", savedPath);

    EXPECT_EQ(LastFileDialog().filter, "hex (*.hex)");
    EXPECT_EQ(LastFileDialog().defaultSuffix, "hex");
    EXPECT_FALSE(box->seen);
    for (int waited = 0; waited < 10000 && !QFile::exists(record); waited += 20)
        QTest::qWait(20);
    EXPECT_EQ(ReadFile(record), "1\n" + hexFile.toUtf8() + "\n");

    // A file that does not exist starts nothing and shows nothing.
    QFile::remove(record);
    qputenv("PATH", binFolder.path().toLocal8Bit() + ":" + savedPath);
    const auto absent = ChooseInNextFileDialog(PathOf("absent.hex"));
    frm.btnConverterClick(nullptr);
    qputenv("PATH", savedPath);
    QTest::qWait(200);
    EXPECT_FALSE(absent->seen);
    EXPECT_FALSE(QFile::exists(record));
}

// ---- Bit and byte editor ---------------------------------------------------------------

TEST_F(FilesPageTest, BitEditorStartsWithItsDesignTexts)
{
    OpenOnFilesPage();
    for (int n = 0; n < 32; ++n) {
        EXPECT_FALSE(Bit(n)->isChecked()) << n;
        EXPECT_TRUE(Bit(n)->text().isEmpty()) << n;
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Text(QString("edt_bl%1").arg(k).toLatin1()), "0");
        EXPECT_EQ(Text(QString("edt_bh%1").arg(k).toLatin1()), "0");
        EXPECT_EQ(Text(QString("edt_b%1").arg(k).toLatin1()), "0x00 (0)");
        EXPECT_EQ(Text(QString("edtv%1").arg(k).toLatin1()), "0");
    }
    EXPECT_EQ(Text("edt_w0"), "0x0000 (0)");
    EXPECT_EQ(Text("edt_w1"), "0x0000 (0)");
    EXPECT_EQ(Text("edt_dw"), "0x0000_0000 (0)");
    EXPECT_TRUE(Find<QLineEdit>("edt_bl0")->font().bold());
    EXPECT_EQ(Find<QLineEdit>("edt_dw")->alignment(), Qt::AlignCenter);
}

TEST_F(FilesPageTest, MostSignificantPartOnTheLeft)
{
    OpenOnFilesPage();
    const auto left = [this](const QString &name) {
        QWidget *widget = Find<QWidget>(name.toLatin1());
        return widget->mapTo(widget->window(), QPoint(0, 0)).x();
    };
    for (int n = 1; n < 32; ++n)
        EXPECT_LT(left(QString("cbx%1").arg(n)), left(QString("cbx%1").arg(n - 1))) << n;
    for (int k = 1; k < 4; ++k) {
        EXPECT_LT(left(QString("edtv%1").arg(k)), left(QString("edtv%1").arg(k - 1)));
        EXPECT_LT(left(QString("edt_b%1").arg(k)), left(QString("edt_b%1").arg(k - 1)));
    }
    EXPECT_LT(left("edt_w1"), left("edt_w0"));
    EXPECT_LT(left("edt_bh0"), left("edt_bl0"));
    EXPECT_LT(left("edt_bl1"), left("edt_bh0"));
}

TEST_F(FilesPageTest, ClickingBitZeroUpdatesEveryReadout)
{
    OpenOnFilesPage();
    QTest::mouseClick(Bit(0), Qt::LeftButton);
    ASSERT_TRUE(Bit(0)->isChecked());
    EXPECT_EQ(Text("edt_bl0"), "1");
    EXPECT_EQ(Text("edt_bh0"), "0");
    EXPECT_EQ(Text("edt_b0"), "0x01 (1)");
    EXPECT_EQ(Text("edt_w0"), "0x0001 (1)");
    EXPECT_EQ(Text("edt_dw"), "0x00000001 (1)");
    for (const char *name : {"edt_bl1", "edt_bh1", "edt_bl2", "edt_bh2", "edt_bl3", "edt_bh3"})
        EXPECT_EQ(Text(name), "0") << name;
    for (const char *name : {"edt_b1", "edt_b2", "edt_b3"})
        EXPECT_EQ(Text(name), "0x00 (0)") << name;
    EXPECT_EQ(Text("edt_w1"), "0x0000 (0)");

    QTest::mouseClick(Bit(0), Qt::LeftButton);
    EXPECT_EQ(Text("edt_dw"), "0x00000000 (0)");
}

TEST_F(FilesPageTest, BitSixteenIsTheLowBitOfWordOne)
{
    OpenOnFilesPage();
    QTest::mouseClick(Bit(16), Qt::LeftButton);
    EXPECT_EQ(Text("edt_w1"), "0x0001 (1)");
    EXPECT_EQ(Text("edt_w0"), "0x0000 (0)");
    EXPECT_EQ(Text("edt_dw"), "0x00010000 (65536)");
}

TEST_F(FilesPageTest, TypingIntoAnEntrySetsItsByte)
{
    OpenOnFilesPage();
    Retype("edtv3", "255");
    for (int n = 0; n < 32; ++n)
        EXPECT_EQ(Bit(n)->isChecked(), n >= 24) << n;
    EXPECT_EQ(Text("edt_bh3"), "F");
    EXPECT_EQ(Text("edt_bl3"), "F");
    EXPECT_EQ(Text("edt_b3"), "0xFF (255)");
    EXPECT_EQ(Text("edt_w1"), "0xFF00 (65280)");
    EXPECT_EQ(Text("edt_dw"), "0xFF000000 (-16777216)");
    EXPECT_EQ(Text("edtv3"), "255");

    for (const char *entry : {"$A5", "xA5", "0xA5"}) {
        Retype("edtv0", entry);
        EXPECT_EQ(BoxesValue() & 0xFF, 0xA5u) << entry;
        EXPECT_EQ(Text("edt_bh0"), "A");
        EXPECT_EQ(Text("edt_bl0"), "5");
        EXPECT_EQ(Text("edt_b0"), "0xA5 (165)");
        EXPECT_EQ(Text("edtv0"), entry);
    }
    Retype("edtv1", "-1");
    Retype("edtv2", "-1");
    EXPECT_EQ(Text("edt_dw"), "0xFFFFFFA5 (-91)");
    Retype("edtv0", "-1");
    EXPECT_EQ(Text("edt_dw"), "0xFFFFFFFF (-1)");
}

TEST_F(FilesPageTest, EntryKeepsOnlyTheLowEightBitsAndReadsJunkAsZero)
{
    OpenOnFilesPage();
    const struct {
        const char *text;
        std::uint32_t byte;
    } cases[] = {{"300", 0x2C}, {"-1", 0xFF},    {"256", 0x00}, {"7", 0x07},  {"", 0x00},
                 {"9", 0x09},   {"12abc", 0x00}, {"5", 0x05},   {"12 ", 0x00}};
    for (const auto &entry : cases) {
        Retype("edtv2", entry.text);
        EXPECT_EQ(BoxesValue(), entry.byte << 16) << entry.text;
        EXPECT_EQ(Text("edt_b2"), QString::asprintf("0x%02X (%u)", entry.byte, entry.byte))
            << entry.text;
        EXPECT_EQ(Text("edtv2"), entry.text);
    }
}

TEST_F(FilesPageTest, EveryKeystrokeUpdatesTheBoxes)
{
    OpenOnFilesPage();
    QLineEdit *entry = Find<QLineEdit>("edtv1");
    entry->clear();
    EXPECT_EQ(BoxesValue(), 0u);
    QTest::keyClick(entry, Qt::Key_1);
    EXPECT_EQ(BoxesValue(), 1u << 8);
    EXPECT_EQ(Text("edt_b1"), "0x01 (1)");
    QTest::keyClick(entry, Qt::Key_2);
    EXPECT_EQ(BoxesValue(), 12u << 8);
    EXPECT_EQ(Text("edt_b1"), "0x0C (12)");
    QTest::keyClick(entry, Qt::Key_5);
    EXPECT_EQ(BoxesValue(), 125u << 8);
    EXPECT_EQ(Text("edt_b1"), "0x7D (125)");
    EXPECT_EQ(Text("edt_w0"), "0x7D00 (32000)");
}

TEST_F(FilesPageTest, ClickingABitNeverRewritesTheEntry)
{
    OpenOnFilesPage();
    Retype("edtv1", "3");
    QTest::mouseClick(Bit(8), Qt::LeftButton);
    EXPECT_FALSE(Bit(8)->isChecked());
    EXPECT_EQ(Text("edtv1"), "3");
    EXPECT_EQ(Text("edt_b1"), "0x02 (2)");
}

TEST_F(FilesPageTest, BitEditorKeyboardOrder)
{
    OpenOnFilesPage();
    QStringList expected{"edtv3", "edtv2", "edtv1", "edtv0"};
    for (int k = 0; k < 4; ++k) {
        for (int nibble = 0; nibble < 2; ++nibble) {
            expected << QString(nibble == 0 ? "edt_bl%1" : "edt_bh%1").arg(k);
            for (int bit = 8 * k + 4 * nibble + 3; bit >= 8 * k + 4 * nibble; --bit)
                expected << QString("cbx%1").arg(bit);
        }
        expected << QString("edt_b%1").arg(k);
        if (k % 2 == 1)
            expected << QString("edt_w%1").arg(k / 2);
    }
    expected << "edt_dw";

    EXPECT_EQ(zolvik_test::FocusChainOrder(Find<QWidget>("edtv3"), expected), expected);
}

// ---- Temperature converter -------------------------------------------------------------

class TemperatureTest : public FilesPageTest {
protected:
    QString Sep() const { return QString(TfrmMain::DecimalSeparator()); }
    // A number text with the regional separator in place of ".".
    QString R(const char *text) const { return QString(text).replace('.', Sep()); }
    void Type(const char *name, const QString &text)
    {
        QLineEdit *edit = Find<QLineEdit>(name);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
};

TEST_F(TemperatureTest, StartShowsTheConversionOfZero)
{
    OpenOnFilesPage();
    EXPECT_EQ(Text("edtCelcius"), "0");
    EXPECT_EQ(Text("edtFahrenheit"), R("32.0"));
    EXPECT_EQ(Text("edtKelvin"), R("273.2"));
    EXPECT_TRUE(Find<QRadioButton>("rdbDecimal1")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("rdbDecimal1")->text(), "One decimal digits");
    EXPECT_EQ(Find<QRadioButton>("rdbDecimal2")->text(), "Two decimal digits");
    EXPECT_TRUE(Find<QLineEdit>("edtKelvin")->font().bold());

    QTest::mouseClick(Find<QRadioButton>("rdbDecimal2"), Qt::LeftButton);
    EXPECT_EQ(Text("edtFahrenheit"), R("32.00"));
    EXPECT_EQ(Text("edtKelvin"), R("273.15"));
}

TEST_F(TemperatureTest, CelsiusExamples)
{
    OpenOnFilesPage();
    Type("edtCelcius", "37");
    EXPECT_EQ(Text("edtFahrenheit"), R("98.6"));
    EXPECT_EQ(Text("edtKelvin"), R("310.2"));
    Type("edtCelcius", "-40");
    EXPECT_EQ(Text("edtFahrenheit"), R("-40.0"));
    EXPECT_EQ(Text("edtCelcius"), "-40");
    // A lone minus sign and an empty field convert as 0.
    Type("edtCelcius", "-");
    EXPECT_EQ(Text("edtFahrenheit"), R("32.0"));
    EXPECT_EQ(Text("edtKelvin"), R("273.2"));
    Type("edtCelcius", "5");
    Type("edtCelcius", "");
    EXPECT_EQ(Text("edtCelcius"), "");
    EXPECT_EQ(Text("edtFahrenheit"), R("32.0"));
    EXPECT_EQ(Text("edtKelvin"), R("273.2"));
}

TEST_F(TemperatureTest, FahrenheitAndKelvinExamples)
{
    OpenOnFilesPage();
    Type("edtFahrenheit", "100");
    EXPECT_EQ(Text("edtCelcius"), R("37.8"));
    EXPECT_EQ(Text("edtKelvin"), R("310.9"));
    EXPECT_EQ(Text("edtFahrenheit"), "100");
    Type("edtFahrenheit", "0");
    EXPECT_EQ(Text("edtCelcius"), R("-17.8"));

    Type("edtKelvin", "300");
    EXPECT_EQ(Text("edtCelcius"), R("26.9"));
    EXPECT_EQ(Text("edtFahrenheit"), R("80.3"));
    Type("edtKelvin", R("273.15"));
    EXPECT_EQ(Text("edtCelcius"), R("0.0"));
    EXPECT_EQ(Text("edtFahrenheit"), R("32.0"));
    EXPECT_EQ(Text("edtKelvin"), R("273.15"));
}

TEST_F(TemperatureTest, EitherSeparatorIsNormalisedInTheTypedField)
{
    OpenOnFilesPage();
    const QString other = Sep() == "." ? "," : ".";
    Type("edtCelcius", "36" + other + "6");
    EXPECT_EQ(Text("edtCelcius"), R("36.6"));
    EXPECT_EQ(Text("edtFahrenheit"), R("97.9"));
    EXPECT_EQ(Text("edtKelvin"), R("309.8"));

    Type("edtFahrenheit", "212" + other + "0");
    EXPECT_EQ(Text("edtFahrenheit"), R("212.0"));
    EXPECT_EQ(Text("edtCelcius"), R("100.0"));
}

TEST_F(TemperatureTest, DecimalsReconvertFromTheCelsiusText)
{
    OpenOnFilesPage();
    Type("edtFahrenheit", "100");
    EXPECT_EQ(Text("edtCelcius"), R("37.8"));
    QTest::mouseClick(Find<QRadioButton>("rdbDecimal2"), Qt::LeftButton);
    EXPECT_EQ(Text("edtFahrenheit"), R("100.04"));
    EXPECT_EQ(Text("edtKelvin"), R("310.95"));
    EXPECT_EQ(Text("edtCelcius"), R("37.8"));

    // Clicking the selected button again changes nothing.
    Type("edtKelvin", "0");
    QTest::mouseClick(Find<QRadioButton>("rdbDecimal2"), Qt::LeftButton);
    EXPECT_EQ(Text("edtCelcius"), R("-273.15"));
    EXPECT_EQ(Text("edtFahrenheit"), R("-459.67"));
}

TEST_F(TemperatureTest, ConversionWithoutSenderAsAtStart)
{
    TfrmMain &frm = OpenOnFilesPage();
    {
        // Stale targets, as if no conversion had run yet.
        const QSignalBlocker quiet(Find<QLineEdit>("edtFahrenheit"));
        Find<QLineEdit>("edtFahrenheit")->setText("0");
        const QSignalBlocker quietToo(Find<QLineEdit>("edtKelvin"));
        Find<QLineEdit>("edtKelvin")->setText("0");
    }
    frm.edtCelciusChange(nullptr);
    EXPECT_EQ(Text("edtFahrenheit"), R("32.0"));
    EXPECT_EQ(Text("edtKelvin"), R("273.2"));
}

TEST_F(TemperatureTest, KeyboardOrder)
{
    OpenOnFilesPage();
    const QStringList expected{"edtCelcius", "edtFahrenheit", "edtKelvin", "rdbDecimal1",
                               "rdbDecimal2"};
    EXPECT_EQ(zolvik_test::FocusChainOrder(Find<QWidget>("edtCelcius"), expected), expected);
}

}  // namespace
