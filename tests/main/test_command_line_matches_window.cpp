// Every `zolvik` subcommand against the window: the same case is worked on the page (fields
// set, button clicked, result read from the page or from the file it wrote) and through the
// subcommand, and the two must agree byte for byte.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>
#include <QBuffer>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_zolvik.h"
#include "hex2bin/run.h"
#include "tests/main/pixel_grid_driver.h"
#include "tests/support/window_fixture.h"

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll()
                                          : QByteArray("<missing " + path.toUtf8() + ">");
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Bytes that vary at every position, the same for every run.
QByteArray PatternBytes(int count, int seed)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char((i * 37 + seed * 11 + (i >> 3)) & 0xFF);
    return bytes;
}

class CommandLineMatchesWindow : public zolvik_test::WindowTest {
public:
    using WindowTest::prompts;

    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_EQ(TfrmMain::DecimalSeparator(), '.');
        Open().show();
    }

    void TearDown() override
    {
        for (const QString &path : removeAfter)
            QFile::remove(path);
        WindowTest::TearDown();
    }

    template <typename T>
    T *Control(const char *name) const
    {
        return Find<T>(name);
    }
    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }

    void Type(const char *name, const QString &text) { Find<QLineEdit>(name)->setText(text); }
    QString Text(const char *name) const { return Find<QLineEdit>(name)->text(); }
    void Click(const char *name) { Find<QPushButton>(name)->click(); }
    void Check(const char *name, bool on = true) { Find<QAbstractButton>(name)->setChecked(on); }
    void ShowPage(int index) { Find<QTabWidget>("PageControl")->setCurrentIndex(index); }

    // The subcommand's printed text, failing the test when it does not succeed.
    QByteArray Printed(const std::vector<std::string> &args)
    {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(zolvik::cli::RunZolvik(args, out, err), 0) << err.str();
        return QByteArray::fromStdString(out.str());
    }

    // The file the subcommand wrote.
    QByteArray Written(std::vector<std::string> args, const QString &output)
    {
        args.push_back("-o");
        args.push_back(output.toStdString());
        const QByteArray printed = Printed(args);
        EXPECT_TRUE(printed.isEmpty()) << printed.constData();
        return ReadAll(output);
    }

    QTemporaryDir files;
    QStringList removeAfter;
};

// One case: what the window gives and what the subcommand gives.
struct Case {
    const char *name;
    std::function<QByteArray(CommandLineMatchesWindow &)> window;
    std::function<QByteArray(CommandLineMatchesWindow &)> commandLine;
};

// The ROM table button on a file of `bytes`, and `zolvik table` on the same file.
Case Table(const char *name, int elementBits, bool vhdl, const char *columns, const char *tabs,
           int bytes)
{
    return {name,
            [=](CommandLineMatchesWindow &t) {
                const QString input = t.PathOf(QString("w%1.dat").arg(name));
                WriteAll(input, PatternBytes(bytes, elementBits));
                t.Type("edtCol", columns);
                t.Type("edtTab", tabs);
                t.Check(vhdl ? "rgVHDL" : "rgC");
                t.Check(elementBits == 8 ? "rgByte" : elementBits == 16 ? "rgWord" : "rgDword");
                t.prompts.Answer(input);
                t.Click("btnCreateTable");
                return ReadAll(t.PathOf(QString("w%1.txt").arg(name)));
            },
            [=](CommandLineMatchesWindow &t) {
                const QString input = t.PathOf(QString("c%1.dat").arg(name));
                WriteAll(input, PatternBytes(bytes, elementBits));
                return t.Written({"table", input.toStdString(), "-f", vhdl ? "vhdl" : "c", "-w",
                                  std::to_string(elementBits), "-c", columns, "-t", tabs},
                                 t.PathOf(QString("c%1.out").arg(name)));
            }};
}

// The lines the subcommand prints, from the texts the page shows.
QByteArray Lines(const std::vector<std::pair<const char *, QString>> &fields)
{
    QByteArray text;
    for (const auto &[key, value] : fields)
        text += QByteArray(key) + " = " + value.toUtf8() + '\n';
    return text;
}

const QByteArray kCursorBinary = [] {
    // Codes 0 to 3 in a pattern that reaches every column and row.
    QByteArray bytes(16384, '\0');
    for (int i = 0; i < 4096; ++i)
        bytes[4 * i] = char((i * 7 + i / 64) % 4);
    return bytes;
}();

QByteArray IconSheetBmp()
{
    QImage sheet(96, 48, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x * 2, y * 5, (x + y) & 0xFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    sheet.save(&buffer, "BMP");
    return bytes;
}

// An array text as a user pastes it: the wrapper, mixed notations and blanks.
constexpr const char *kLcdArrayText = "u8 up[8] = {0b00000, 0x04, 14, 0b11111, 4, 0x4, 4 , 0};";

// A 64x64 picture in the four kinds of pixel a cursor picture holds: black, white, transparent
// and grey, which goes to the nearest of those.
QByteArray CursorPicturePng()
{
    QImage picture(64, 64, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgba(0, 0, 0, 0),
                            qRgb(90, 90, 90)};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, colours[(x / 8 + y / 16) % 4]);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// The LCD page with the rows' pixels pressed, the name typed and the base chosen.
QByteArray LcdOnPage(CommandLineMatchesWindow &t, const std::vector<int> &rows, const QString &name,
                     int base)
{
    auto &c = t;
    c.ShowPage(8);
    c.Click("btnClearChar");
    auto *grid = c.Control<QTableWidget>("gridCoord1");
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 5; ++column)
            if (rows[row] & (1 << (4 - column))) {
                zolvik_test::PressCell(grid, column, row);
                zolvik_test::ReleaseOnCell(grid, column, row);
            }
    c.Type("edtCharName", name);
    c.Control<QGroupBox>("rgBase")->findChildren<QRadioButton *>().at(base)->setChecked(true);
    return c.Text("edtArray").toUtf8() + '\n';
}

std::vector<std::string> Strings(const std::vector<int> &values)
{
    std::vector<std::string> texts;
    for (const int value : values)
        texts.push_back(std::to_string(value));
    return texts;
}

QByteArray CoefficientsOnPage(CommandLineMatchesWindow &t, const QStringList &points)
{
    auto &c = t;
    const char *const fields[] = {"edtT1", "edtR1", "edtT2", "edtR2", "edtT3", "edtR3"};
    for (int i = 0; i < 6; ++i)
        c.Type(fields[i], points[i]);
    c.Click("btnSteinhart");
    return Lines({{"A", c.Text("edtA")}, {"B", c.Text("edtB")}, {"C", c.Text("edtC")}});
}

QByteArray TimerOnPage(CommandLineMatchesWindow &t, const QString &clock, const QString &ms,
                       bool sixteen)
{
    auto &c = t;
    c.Type("edtF_CPU", clock);
    c.Type("edtMS", ms);
    c.Control<QGroupBox>("rdgCont")
        ->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)
        .at(sixteen ? 1 : 0)
        ->setChecked(true);
    c.Click("btnCalcTimer");
    return Lines({{"prescaler", c.Text("edtPrescaler")},
                  {"count", c.Text("edtComp")},
                  {"select", c.Text("edtRegPrescaler")}});
}

const char *const kDayBoxes[] = {"cbxDomingo", "cbxSegunda", "cbxTerca", "cbxQuarta",
                                 "cbxQuinta",  "cbxSexta",   "cbxSabado"};

QByteArray EncodeOnPage(CommandLineMatchesWindow &t, const QString &start, const QString &duration,
                        const QString &days, bool enabled)
{
    auto &c = t;
    c.Type("edtH", start);
    c.Type("edtD", duration);
    for (int day = 0; day < 7; ++day)
        c.Check(kDayBoxes[day], days[day] == '1');
    c.Check("cbxEn", enabled);
    c.Click("btConv1");
    return Lines({{"value", c.Text("edtResTime")}, {"hex", c.Control<QLabel>("lblHex")->text()}});
}

QByteArray DecodeOnPage(CommandLineMatchesWindow &t, const QString &value)
{
    auto &c = t;
    c.Type("edtResTime", value);
    c.Click("btConv2");
    QString days;
    for (const char *box : kDayBoxes)
        days += c.Control<QCheckBox>(box)->isChecked() ? '1' : '0';
    return Lines({{"start", c.Text("edtH")},
                  {"duration", c.Text("edtD")},
                  {"days", days},
                  {"enabled", c.Control<QCheckBox>("cbxEn")->isChecked() ? "yes" : "no"}});
}

QByteArray ModOnPage(CommandLineMatchesWindow &t, const QString &first, const QString &last,
                     const QString &modulus)
{
    auto &c = t;
    c.Type("edtModInit", first);
    c.Type("edtModFim", last);
    c.Type("edtMod", modulus);
    c.Click("btnMod");
    return c.Control<QPlainTextEdit>("memMOD")->toPlainText().toUtf8() + '\n';
}

QByteArray TempOnPage(CommandLineMatchesWindow &t, const char *field, const QString &value,
                      int decimals)
{
    auto &c = t;
    c.Check(decimals == 2 ? "rdbDecimal2" : "rdbDecimal1");
    c.Type(field, value);
    return Lines(
        {{"C", c.Text("edtCelcius")}, {"F", c.Text("edtFahrenheit")}, {"K", c.Text("edtKelvin")}});
}

// The font header button with the font chosen in its dialog and the id typed in its box; the
// header lands beside the executable and "campo.bmp" in the working folder.
QByteArray FontOnPage(CommandLineMatchesWindow &t, const QString &family, int points, int id)
{
    auto &c = t;
    const QString header =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString("fontmap%1.h").arg(id));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(c.files.path());
    c.removeAfter << header;
    c.prompts.AnswerFont(QFont(family, points));
    c.prompts.Answer(QString::number(id));
    c.Click("btnFont");
    QDir::setCurrent(previous);
    const QByteArray written = ReadAll(header);
    return written + ReadAll(c.PathOf("campo.bmp"));
}

const std::vector<Case> kCases = {
    Table("table-c-bytes", 8, false, "8", "1", 1000),
    Table("table-vhdl-words", 16, true, "5", "2", 333),
    Table("table-c-dwords", 32, false, "3", "0", 258),
    {"hex2bin",
     [](CommandLineMatchesWindow &t) {
         // The window starts the converter program; this is the converter's routine.
         const QString hex = t.PathOf("w.hex");
         WriteAll(hex, ":0400100001020304E2\n:02002000AABB79\n:00000001FF\n");
         std::ostringstream out, err;
         EXPECT_EQ(hex2bin::RunHex2Bin({hex.toStdString(), "-f", "0x5A"}, out, err), 0)
             << err.str();
         return ReadAll(t.PathOf("w.bin"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString hex = t.PathOf("c.hex");
         WriteAll(hex, ":0400100001020304E2\n:02002000AABB79\n:00000001FF\n");
         return t.Written({"hex2bin", hex.toStdString(), "-f", "0x5A", "--quiet"},
                          t.PathOf("c.image"));
     }},
    {"font", [](CommandLineMatchesWindow &t) { return FontOnPage(t, "DejaVu Sans", 11, 4); },
     [](CommandLineMatchesWindow &t) {
         auto &c = t;
         const QString sheet = c.PathOf("sheet.bmp");
         const QByteArray header = c.Written({"font", "--family", "DejaVu Sans", "--size", "11",
                                              "--id", "4", "--sheet", sheet.toStdString()},
                                             c.PathOf("font.h"));
         return header + ReadAll(sheet);
     }},
    {"icons",
     [](CommandLineMatchesWindow &t) {
         const QString sheet = t.PathOf("icons.bmp");
         WriteAll(sheet, IconSheetBmp());
         t.prompts.Answer(sheet);
         t.Click("Button6");
         return ReadAll(t.PathOf("icons.bmb"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString sheet = t.PathOf("sheet.bmp");
         WriteAll(sheet, IconSheetBmp());
         return t.Written({"icons", sheet.toStdString()}, t.PathOf("strip.out"));
     }},
    {"cursor",
     [](CommandLineMatchesWindow &t) {
         const QString binary = t.PathOf("cursor.bin");
         WriteAll(binary, kCursorBinary);
         t.prompts.Answer(binary);
         t.Click("btn_CurLoadBin");
         t.prompts.Answer(t.PathOf("cursor.h"));
         t.Click("btn_CurCreate");
         return ReadAll(t.PathOf("cursor.h"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString binary = t.PathOf("pointer.bin");
         WriteAll(binary, kCursorBinary);
         return t.Written({"cursor", binary.toStdString()}, t.PathOf("pointer.out"));
     }},
    {"lcd-binary",
     [](CommandLineMatchesWindow &t) {
         return LcdOnPage(t, {0, 10, 31, 17, 4, 14, 21, 1}, "arrow", 0);
     },
     [](CommandLineMatchesWindow &t) {
         auto args = Strings({0, 10, 31, 17, 4, 14, 21, 1});
         args.insert(args.begin(), "lcd");
         args.insert(args.end(), {"--name", "arrow"});
         return t.Printed(args);
     }},
    {"lcd-hex-unnamed",
     [](CommandLineMatchesWindow &t) {
         return LcdOnPage(t, {16, 8, 4, 2, 1, 3, 7, 15}, "", 1);
     },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"lcd", "0x10", "$8", "4", "2", "1", "3", "7", "0xF", "--base", "hex"});
     }},
    {"lcd-decimal",
     [](CommandLineMatchesWindow &t) {
         return LcdOnPage(t, {31, 0, 31, 0, 31, 0, 31, 0}, "bars", 2);
     },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"lcd", "31", "0", "31", "0", "31", "0", "31", "0", "--base", "dec",
                           "--name", "bars"});
     }},
    {"lcd-array-read-back",
     [](CommandLineMatchesWindow &t) {
         t.ShowPage(8);
         t.Control<QGroupBox>("rgBase")->findChildren<QRadioButton *>().at(2)->setChecked(true);
         t.Type("edtArray", kLcdArrayText);
         t.Click("btnImportArray");
         return t.Text("edtArray").toUtf8() + '\n';
     },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"lcd", "--array", kLcdArrayText, "--base", "dec"});
     }},
    {"cgram",
     [](CommandLineMatchesWindow &t) {
         t.ShowPage(8);
         t.Control<QGroupBox>("rgBase")->findChildren<QRadioButton *>().at(1)->setChecked(true);
         t.Type("edtCgramName", "glyphs");
         for (const int character : {0, 1}) {
             t.Control<QSpinBox>("spiCgramChar")->setValue(character);
             t.Type("edtArray", character ? "1, 2, 3, 4, 5, 6, 7, 8" : kLcdArrayText);
             t.Click("btnImportArray");
         }
         t.prompts.Answer(t.PathOf("glyphs.h"));
         t.Click("btnExportCgram");
         return ReadAll(t.PathOf("glyphs.h"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString chars = t.PathOf("chars.txt");
         WriteAll(chars, QByteArray(kLcdArrayText) + "\n\n1, 2, 3, 4, 5, 6, 7, 8\n");
         return t.Written({"cgram", chars.toStdString(), "--base", "hex", "--name", "glyphs"},
                          t.PathOf("set.h"));
     }},
    {"cursor-picture",
     [](CommandLineMatchesWindow &t) {
         const QString picture = t.PathOf("arrow.png");
         WriteAll(picture, CursorPicturePng());
         t.prompts.Answer(picture);
         t.Click("btn_CurImport");
         t.prompts.Answer(t.PathOf("arrow.h"));
         t.Click("btn_CurCreate");
         return ReadAll(t.PathOf("arrow.h"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString picture = t.PathOf("pointer.png");
         WriteAll(picture, CursorPicturePng());
         return t.Written({"cursor", "--picture", picture.toStdString()}, t.PathOf("pointer.h"));
     }},
    {"cursor-picture-binary",
     [](CommandLineMatchesWindow &t) {
         const QString picture = t.PathOf("arrow.png");
         WriteAll(picture, CursorPicturePng());
         t.prompts.Answer(picture);
         t.Click("btn_CurImport");
         t.prompts.Answer(t.PathOf("arrow.bin"));
         t.Click("btn_CurSaveBin");
         return ReadAll(t.PathOf("arrow.bin"));
     },
     [](CommandLineMatchesWindow &t) {
         const QString picture = t.PathOf("pointer.png");
         WriteAll(picture, CursorPicturePng());
         return t.Written({"cursor", "--picture", picture.toStdString(), "--binary"},
                          t.PathOf("pointer.bin"));
     }},
    {"thermistor-coefficients",
     [](CommandLineMatchesWindow &t) {
         return CoefficientsOnPage(t, {"-20", "1103073", "12.5", "183079", "45", "41316,1"});
     },
     [](CommandLineMatchesWindow &t) {
         return t.Printed(
             {"thermistor", "coefficients", "-20:1103073", "12.5:183079", "45:41316,1"});
     }},
    {"thermistor-temperature",
     [](CommandLineMatchesWindow &t) {
         CoefficientsOnPage(t, {"0", "32650", "25", "10000", "50", "3602"});
         t.Type("edtRes", "15000");
         t.Click("btnCalcSteinhart");
         return Lines({{"K", t.Text("edtTempK")}, {"C", t.Text("edtTempC")}});
     },
     [](CommandLineMatchesWindow &t) {
         // The constants as the coefficients subcommand prints them, handed on as a script would.
         const QList<QByteArray> lines =
             t.Printed({"thermistor", "coefficients", "0:32650", "25:10000", "50:3602"})
                 .split('\n');
         const std::string abc =
             (lines[0].mid(4) + ',' + lines[1].mid(4) + ',' + lines[2].mid(4)).toStdString();
         return t.Printed({"thermistor", "temperature", "15000", "--abc", abc});
     }},
    {"timer-8", [](CommandLineMatchesWindow &t) { return TimerOnPage(t, "8000000", "1", false); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"timer", "--clock", "8000000", "--ms", "1"});
     }},
    {"timer-16", [](CommandLineMatchesWindow &t) { return TimerOnPage(t, "$F42400", "250", true); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"timer", "--clock", "$F42400", "--ms", "250", "--bits", "16"});
     }},
    {"schedule-encode",
     [](CommandLineMatchesWindow &t) { return EncodeOnPage(t, "360", "240", "0111110", true); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed(
             {"schedule", "encode", "--start", "360", "--duration", "240", "--days", "0111110"});
     }},
    {"schedule-encode-negative",
     [](CommandLineMatchesWindow &t) { return EncodeOnPage(t, "1439", "2100", "1111111", false); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed(
             {"schedule", "encode", "--start", "1439", "--duration", "2100", "--disabled"});
     }},
    {"schedule-decode", [](CommandLineMatchesWindow &t) { return DecodeOnPage(t, "0x0F0168BE"); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"schedule", "decode", "0x0F0168BE"});
     }},
    {"schedule-decode-negative", [](CommandLineMatchesWindow &t) { return DecodeOnPage(t, "-1"); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"schedule", "decode", "-1"});
     }},
    {"mod", [](CommandLineMatchesWindow &t) { return ModOnPage(t, "-7", "12", "-5"); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"mod", "-7", "12", "-5"});
     }},
    {"temp-celsius",
     [](CommandLineMatchesWindow &t) { return TempOnPage(t, "edtCelcius", "36,6", 1); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"temp", "36,6", "c"});
     }},
    {"temp-fahrenheit",
     [](CommandLineMatchesWindow &t) { return TempOnPage(t, "edtFahrenheit", "-40", 2); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"temp", "-40", "f", "--decimals", "2"});
     }},
    {"temp-kelvin",
     [](CommandLineMatchesWindow &t) { return TempOnPage(t, "edtKelvin", "0.125", 2); },
     [](CommandLineMatchesWindow &t) {
         return t.Printed({"temp", "0.125", "k", "--decimals", "2"});
     }},
};

TEST_F(CommandLineMatchesWindow, EverySubcommandWritesWhatTheWindowWrites)
{
    ASSERT_EQ(window->screen()->logicalDotsPerInchY(), 96.0);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        const QByteArray fromWindow = c.window(*this);
        const QByteArray fromCommandLine = c.commandLine(*this);
        EXPECT_FALSE(fromWindow.isEmpty());
        EXPECT_EQ(fromCommandLine, fromWindow);
    }
}

}  // namespace
