// Every `zolvik` subcommand against the window: the same case is worked on the page (fields
// set, button clicked, result read from the page or from the file it wrote) and through the
// subcommand, and the two must agree byte for byte.
#include <QBuffer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>

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
    void ChooseBase(int index)
    {
        Find<QGroupBox>("rgBase")->findChildren<QRadioButton *>().at(index)->setChecked(true);
    }

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

using Worked = std::function<QByteArray(CommandLineMatchesWindow &)>;

// One case: what the window gives and what the subcommand gives, run in the scratch folder.
struct Case {
    const char *name;
    Worked window;
    Worked commandLine;
};

// What the subcommand prints.
Worked Prints(const std::vector<std::string> &args)
{
    return [=](CommandLineMatchesWindow &t) { return t.Printed(args); };
}

// The file `output` the subcommand writes from `bytes` saved as `input`, named relative to the
// scratch folder as a script gives it.
Worked Writes(const std::vector<std::string> &args, const QString &output, const QString &input,
              const QByteArray &bytes)
{
    return [=](CommandLineMatchesWindow &t) {
        WriteAll(t.PathOf(input), bytes);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(t.files.path());
        const QByteArray written = t.Written(args, t.PathOf(output));
        QDir::setCurrent(previous);
        return written;
    };
}

// The page's load button answered with `bytes` saved as `input`, then its save button when
// there is one; the file `output` the page wrote.
Worked ThroughPage(const QString &input, const QByteArray &bytes, const char *load,
                   const QString &output, const char *save = nullptr)
{
    return [=](CommandLineMatchesWindow &t) {
        WriteAll(t.PathOf(input), bytes);
        t.prompts.Answer(t.PathOf(input));
        t.Click(load);
        if (save) {
            t.prompts.Answer(t.PathOf(output));
            t.Click(save);
        }
        return ReadAll(t.PathOf(output));
    };
}

// The ROM table button on a file of `bytes`, and `zolvik table` on the same file.
Case Table(const char *name, int elementBits, bool vhdl, const char *columns, const char *tabs,
           int bytes)
{
    const QByteArray data = PatternBytes(bytes, elementBits);
    const QString input = QString("c%1.dat").arg(name);
    return {name,
            [=](CommandLineMatchesWindow &t) {
                t.Type("edtCol", columns);
                t.Type("edtTab", tabs);
                t.Check(vhdl ? "rgVHDL" : "rgC");
                t.Check(elementBits == 8 ? "rgByte" : elementBits == 16 ? "rgWord" : "rgDword");
                return ThroughPage(QString("w%1.dat").arg(name), data, "btnCreateTable",
                                   QString("w%1.txt").arg(name))(t);
            },
            Writes({"table", input.toStdString(), "-f", vhdl ? "vhdl" : "c", "-w",
                    std::to_string(elementBits), "-c", columns, "-t", tabs},
                   QString("c%1.out").arg(name), input, data)};
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

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray IconSheetBmp()
{
    QImage sheet(96, 48, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x * 2, y * 5, (x + y) & 0xFF));
    return Encoded(sheet, "BMP");
}

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
    return Encoded(picture, "PNG");
}

// An array text as a user pastes it: the wrapper, mixed notations and blanks.
constexpr const char *kLcdArrayText = "u8 up[8] = {0b00000, 0x04, 14, 0b11111, 4, 0x4, 4 , 0};";

constexpr const char *kHex = ":0400100001020304E2\n:02002000AABB79\n:00000001FF\n";

// The LCD page with the rows' pixels pressed, the name typed and the base chosen.
Worked OnLcdPage(const std::vector<int> &rows, const QString &name, int base)
{
    return [=](CommandLineMatchesWindow &t) {
        t.ShowPage(8);
        t.Click("btnClearChar");
        auto *grid = t.Control<QTableWidget>("gridCoord1");
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 5; ++column)
                if (rows[row] & (1 << (4 - column))) {
                    zolvik_test::PressCell(grid, column, row);
                    zolvik_test::ReleaseOnCell(grid, column, row);
                }
        t.Type("edtCharName", name);
        t.ChooseBase(base);
        return t.Text("edtArray").toUtf8() + '\n';
    };
}

QByteArray CoefficientsOnPage(CommandLineMatchesWindow &t, const QStringList &points)
{
    const char *const fields[] = {"edtT1", "edtR1", "edtT2", "edtR2", "edtT3", "edtR3"};
    for (int i = 0; i < 6; ++i)
        t.Type(fields[i], points[i]);
    t.Click("btnSteinhart");
    return Lines({{"A", t.Text("edtA")}, {"B", t.Text("edtB")}, {"C", t.Text("edtC")}});
}

// The timer page and `zolvik timer` on the same clock and period.
Case Timer(const char *name, const char *clock, const char *ms, bool sixteen)
{
    std::vector<std::string> args = {"timer", "--clock", clock, "--ms", ms};
    if (sixteen)
        args.insert(args.end(), {"--bits", "16"});
    return {name,
            [=](CommandLineMatchesWindow &t) {
                t.Type("edtF_CPU", clock);
                t.Type("edtMS", ms);
                t.Control<QGroupBox>("rdgCont")
                    ->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)
                    .at(sixteen ? 1 : 0)
                    ->setChecked(true);
                t.Click("btnCalcTimer");
                return Lines({{"prescaler", t.Text("edtPrescaler")},
                              {"count", t.Text("edtComp")},
                              {"select", t.Text("edtRegPrescaler")}});
            },
            Prints(args)};
}

const char *const kDayBoxes[] = {"cbxDomingo", "cbxSegunda", "cbxTerca", "cbxQuarta",
                                 "cbxQuinta",  "cbxSexta",   "cbxSabado"};

Worked OnEncodePage(const QString &start, const QString &duration, const QString &days,
                    bool enabled)
{
    return [=](CommandLineMatchesWindow &t) {
        t.Type("edtH", start);
        t.Type("edtD", duration);
        for (int day = 0; day < 7; ++day)
            t.Check(kDayBoxes[day], days[day] == '1');
        t.Check("cbxEn", enabled);
        t.Click("btConv1");
        return Lines(
            {{"value", t.Text("edtResTime")}, {"hex", t.Control<QLabel>("lblHex")->text()}});
    };
}

// The schedule page's decoding and `zolvik schedule decode` of the same value.
Case Decode(const char *name, const char *value)
{
    return {name,
            [=](CommandLineMatchesWindow &t) {
                t.Type("edtResTime", value);
                t.Click("btConv2");
                QString days;
                for (const char *box : kDayBoxes)
                    days += t.Control<QCheckBox>(box)->isChecked() ? '1' : '0';
                return Lines(
                    {{"start", t.Text("edtH")},
                     {"duration", t.Text("edtD")},
                     {"days", days},
                     {"enabled", t.Control<QCheckBox>("cbxEn")->isChecked() ? "yes" : "no"}});
            },
            Prints({"schedule", "decode", value})};
}

// The temperature page with `value` typed in `field` and `zolvik temp` of the same value, in
// one or two decimals.
Case Temp(const char *name, const char *field, const char *value, const char *unit, int decimals)
{
    std::vector<std::string> args = {"temp", value, unit};
    if (decimals == 2)
        args.insert(args.end(), {"--decimals", "2"});
    return {name,
            [=](CommandLineMatchesWindow &t) {
                t.Check(decimals == 2 ? "rdbDecimal2" : "rdbDecimal1");
                t.Type(field, value);
                return Lines({{"C", t.Text("edtCelcius")},
                              {"F", t.Text("edtFahrenheit")},
                              {"K", t.Text("edtKelvin")}});
            },
            Prints(args)};
}

// The font header button with the font chosen in its dialog and the id typed in its box; the
// header lands beside the executable and "campo.bmp" in the working folder.
QByteArray FontOnPage(CommandLineMatchesWindow &t, const QString &family, int points, int id)
{
    const QString header =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString("fontmap%1.h").arg(id));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(t.files.path());
    t.removeAfter << header;
    t.prompts.AnswerFont(QFont(family, points));
    t.prompts.Answer(QString::number(id));
    t.Click("btnFont");
    QDir::setCurrent(previous);
    return ReadAll(header) + ReadAll(t.PathOf("campo.bmp"));
}

const std::vector<Case> kCases = {
    Table("table-c-bytes", 8, false, "8", "1", 1000),
    Table("table-vhdl-words", 16, true, "5", "2", 333),
    Table("table-c-dwords", 32, false, "3", "0", 258),
    {"hex2bin",
     [](CommandLineMatchesWindow &t) {
         // The window starts the converter program; this is the converter's routine.
         WriteAll(t.PathOf("w.hex"), kHex);
         std::ostringstream out, err;
         EXPECT_EQ(hex2bin::RunHex2Bin({t.PathOf("w.hex").toStdString(), "-f", "0x5A"}, out, err),
                   0)
             << err.str();
         return ReadAll(t.PathOf("w.bin"));
     },
     Writes({"hex2bin", "c.hex", "-f", "0x5A", "--quiet"}, "c.image", "c.hex", kHex)},
    {"font", [](CommandLineMatchesWindow &t) { return FontOnPage(t, "DejaVu Sans", 11, 4); },
     [](CommandLineMatchesWindow &t) {
         const QByteArray header =
             t.Written({"font", "--family", "DejaVu Sans", "--size", "11", "--id", "4", "--sheet",
                        t.PathOf("sheet.bmp").toStdString()},
                       t.PathOf("font.h"));
         return header + ReadAll(t.PathOf("sheet.bmp"));
     }},
    {"icons", ThroughPage("icons.bmp", IconSheetBmp(), "Button6", "icons.bmb"),
     Writes({"icons", "sheet.bmp"}, "strip.out", "sheet.bmp", IconSheetBmp())},
    {"cursor",
     ThroughPage("cursor.bin", kCursorBinary, "btn_CurLoadBin", "cursor.h", "btn_CurCreate"),
     Writes({"cursor", "pointer.bin"}, "pointer.out", "pointer.bin", kCursorBinary)},
    {"lcd-binary", OnLcdPage({0, 10, 31, 17, 4, 14, 21, 1}, "arrow", 0),
     Prints({"lcd", "0", "10", "31", "17", "4", "14", "21", "1", "--name", "arrow"})},
    {"lcd-hex-unnamed", OnLcdPage({16, 8, 4, 2, 1, 3, 7, 15}, "", 1),
     Prints({"lcd", "0x10", "$8", "4", "2", "1", "3", "7", "0xF", "--base", "hex"})},
    {"lcd-decimal", OnLcdPage({31, 0, 31, 0, 31, 0, 31, 0}, "bars", 2),
     Prints(
         {"lcd", "31", "0", "31", "0", "31", "0", "31", "0", "--base", "dec", "--name", "bars"})},
    {"lcd-array-read-back",
     [](CommandLineMatchesWindow &t) {
         t.ShowPage(8);
         t.ChooseBase(2);
         t.Type("edtArray", kLcdArrayText);
         t.Click("btnImportArray");
         return t.Text("edtArray").toUtf8() + '\n';
     },
     Prints({"lcd", "--array", kLcdArrayText, "--base", "dec"})},
    {"cgram",
     [](CommandLineMatchesWindow &t) {
         t.ShowPage(8);
         t.ChooseBase(1);
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
     Writes({"cgram", "chars.txt", "--base", "hex", "--name", "glyphs"}, "set.h", "chars.txt",
            QByteArray(kLcdArrayText) + "\n\n1, 2, 3, 4, 5, 6, 7, 8\n")},
    {"cursor-picture",
     ThroughPage("arrow.png", CursorPicturePng(), "btn_CurImport", "arrow.h", "btn_CurCreate"),
     Writes({"cursor", "--picture", "pointer.png"}, "pointer.h", "pointer.png",
            CursorPicturePng())},
    {"cursor-picture-binary",
     ThroughPage("arrow.png", CursorPicturePng(), "btn_CurImport", "arrow.bin", "btn_CurSaveBin"),
     Writes({"cursor", "--picture", "pointer.png", "--binary"}, "pointer.bin", "pointer.png",
            CursorPicturePng())},
    {"thermistor-coefficients",
     [](CommandLineMatchesWindow &t) {
         return CoefficientsOnPage(t, {"-20", "1103073", "12.5", "183079", "45", "41316,1"});
     },
     Prints({"thermistor", "coefficients", "-20:1103073", "12.5:183079", "45:41316,1"})},
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
    Timer("timer-8", "8000000", "1", false),
    Timer("timer-16", "$F42400", "250", true),
    {"schedule-encode", OnEncodePage("360", "240", "0111110", true),
     Prints({"schedule", "encode", "--start", "360", "--duration", "240", "--days", "0111110"})},
    {"schedule-encode-negative", OnEncodePage("1439", "2100", "1111111", false),
     Prints({"schedule", "encode", "--start", "1439", "--duration", "2100", "--disabled"})},
    Decode("schedule-decode", "0x0F0168BE"),
    Decode("schedule-decode-negative", "-1"),
    {"mod",
     [](CommandLineMatchesWindow &t) {
         t.Type("edtModInit", "-7");
         t.Type("edtModFim", "12");
         t.Type("edtMod", "-5");
         t.Click("btnMod");
         return t.Control<QPlainTextEdit>("memMOD")->toPlainText().toUtf8() + '\n';
     },
     Prints({"mod", "-7", "12", "-5"})},
    Temp("temp-celsius", "edtCelcius", "36,6", "c", 1),
    Temp("temp-fahrenheit", "edtFahrenheit", "-40", "f", 2),
    Temp("temp-kelvin", "edtKelvin", "0.125", "k", 2),
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
