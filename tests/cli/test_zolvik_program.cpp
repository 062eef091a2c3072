// The built `zolvik` program as scripts use it: exit statuses, the one-line messages on
// standard error for bad input with no output file left behind, and standard input and output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QFontDatabase>

#include "cli/gui_session.h"
#include "render/font_files.h"
#include "render/raster_image.h"
#include "tests/cli/zolvik_run.h"
#include "tests/support/scratch_folder.h"
#include "tests/tools/c_compiler.h"
#include "tools/adc_lut.h"
#include "tools/cursor_image.h"
#include "tools/font_array_text.h"
#include "tools/icon_header_text.h"
#include "tools/tile_sheet.h"
#include "tools/modulo_table.h"
#include "tools/rom_table.h"

namespace {

using zolvik::test::Outcome;
using zolvik::test::RunZolvik;
using zolvik::test::ScratchFolder;

using zolvik::test::Joined;

std::string Bytes(std::size_t count)
{
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 151 + 7) & 0xFF);
    return bytes;
}

// A sheet of every colour step and four alphas: transparent, half, nearly and fully opaque.
zolvik::RgbaRaster TestSheet(int width, int height)
{
    zolvik::RgbaRaster sheet{width, height, {}};
    constexpr std::uint32_t kAlphas[] = {0x00, 0x80, 0x7F, 0xFF};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            sheet.pixels.push_back(
                std::uint32_t(x * 37 + y) % 256 | (std::uint32_t(y * 53 + x) % 256) << 8 |
                (std::uint32_t(x * y * 11) % 256) << 16 | kAlphas[(x + 3 * y) % 4] << 24);
    return sheet;
}

// The raster as a picture file: a PNG keeps alpha, a BMP holds 24-bit colours.
std::string PictureOf(const zolvik::RgbaRaster &raster, const char *format = "PNG")
{
    QImage image(raster.width, raster.height, QImage::Format_ARGB32);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x) {
            const std::uint32_t c = raster.At(x, y);
            image.setPixel(
                x, y,
                qRgba(zolvik::RedOf(c), zolvik::GreenOf(c), zolvik::BlueOf(c), zolvik::AlphaOf(c)));
        }
    const std::optional<QByteArray> file = EncodeImage(image, format);
    return file ? file->toStdString() : std::string();
}

std::string GreyBmp(int width, int height)
{
    return PictureOf({width, height, std::vector<std::uint32_t>(width * height, 0xFF808080)},
                     "BMP");
}

// `zolvik thermistor lut` short of its size.
const std::vector<std::string> kLut = {"thermistor", "lut",   "--beta",     "10000:25:3950",
                                       "--series",   "10000", "--topology", "pullup",
                                       "--adc-bits", "10",    "--name",     "t"};

TEST(ZolvikProgram, BadInputGivesOneLineStatusOneAndNoFile)
{
    ScratchFolder folder;
    folder.Write("data.bin", Bytes(64));
    folder.Write("table.txt", "an older table");
    folder.Write("short.bin", Bytes(100));
    folder.Write("bad.hex", ":0400000001020304F3\n:00000001FF\n");
    folder.Write("text.bmp", "not a picture");
    folder.Write("odd.bmp", GreyBmp(50, 48));
    const std::string png = PictureOf(TestSheet(8, 6));
    folder.Write("sheet.png", png);
    folder.Write("cut.png", png.substr(0, png.size() - 1));
    folder.Write("bad.csv", "T;R\n0;32650\n25;lots\n");
    std::filesystem::create_directory(folder.Path() / "folder");

    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"table", "missing.bin"}, "zolvik table: missing.bin: The specified file was not found\n"},
        {{"table", "table.txt"},
         "zolvik table: table.txt: The table would overwrite its own input file table.txt\n"},
        {{"table", "data.bin", "-o", "folder"},
         "zolvik table: data.bin: folder: Is a folder, not a file\n"},
        {{"table", "data.bin", "-c", "many"},
         "zolvik table: 'many' is not a valid integer value\n"},
        {{"hex2bin", "bad.hex"},
         "zolvik hex2bin: bad.hex:1: bad checksum 0xF3, the record's bytes need 0xF2\n"},
        {{"cursor", "short.bin", "-o", "cursor.h"},
         "zolvik cursor: short.bin: a cursor binary holds 16384 bytes, this one 100\n"},
        {{"icons", "text.bmp"}, "zolvik icons: text.bmp: Bitmap image is not valid\n"},
        {{"icons", "odd.bmp"}, "zolvik icons: odd.bmp: Imagem deve estar no padr\u00e3o 48x48\n"},
        {{"icons", "cut.png", "--tile", "8x6"},
         "zolvik icons: cut.png: Bitmap image is not valid\n"},
        {{"icons", "sheet.png"},
         "zolvik icons: sheet.png: Imagem deve estar no padr\u00e3o 48x48\n"},
        {{"icons", "sheet.png", "--tile", "3x3"},
         "zolvik icons: sheet.png: Imagem deve estar no padr\u00e3o 3x3\n"},
        {{"icons", "sheet.png", "--tile", "4x3", "--header", "2icons"},
         "zolvik icons: 2icons: not a C identifier\n"},
        {{"font", "--family", "DejaVu Sans", "--size", "9", "--first", "200", "--last", "100"},
         "zolvik font: 100: a value from 200 to 255 is needed\n"},
        {{"font", "--family", "DejaVu Sans", "--size", "9", "--first", "256"},
         "zolvik font: 256: a value from 0 to 255 is needed\n"},
        {{"font", "--family", "DejaVu Sans", "--size", "9", "--form", "array", "--name", "sans-9"},
         "zolvik font: sans-9: not a C identifier\n"},
        {{"font", "--family", "DejaVu Sans", "--size", "9", "--form", "array", "--id", "-1"},
         "zolvik font: font-1: not a C identifier\n"},
        {{"font", "--family", "No Such Family Anywhere", "--size", "12"},
         "zolvik font: No Such Family Anywhere: no installed font has this family name\n"},
        {{"font", "--font-file", "data.bin", "--size", "12"},
         "zolvik font: data.bin: not a TrueType or OpenType font\n"},
        {{"lcd", "0", "1", "2", "3", "4", "5", "6", "32"},
         "zolvik lcd: 32: a value from 0 to 31 is needed\n"},
        {{"lcd", "--array", "u8 x[8] = {1, 2};"},
         "zolvik lcd: --array: Expected 8 values, found 2\n"},
        {{"cgram", "bad.hex", "-o", "set.h"},
         "zolvik cgram: bad.hex:1: Expected 8 values, found 1\n"},
        {{"cursor", "--picture", "odd.bmp", "-o", "cursor.h"},
         "zolvik cursor: odd.bmp: The cursor picture must be 64x64 pixels, not 50x48\n"},
        {{"cursor", "--picture", "text.bmp"},
         "zolvik cursor: text.bmp: The file is not a PNG or BMP picture\n"},
        {{"thermistor", "coefficients", "warm:100", "25:50", "50:20"},
         "zolvik thermistor coefficients: H\u00e1 valores na temperatura ou resistecia que \u00e9 "
         "inv\u00e1lido\n"},
        {{"thermistor", "coefficients", "0:100", "25:100", "50:100"},
         "zolvik thermistor coefficients: Floating point division by zero\n"},
        {{"thermistor", "temperature", "100", "--abc", "0,0,0"},
         "zolvik thermistor temperature: Ainda n\u00e3o foi calculado os valores das constantes\n"},
        {{"thermistor", "temperature", "lots", "--abc", "1e-3,2e-4,1e-7"},
         "zolvik thermistor temperature: lots: Valor da resistencia do termistor \u00e9 "
         "inv\u00e1lido\n"},
        {{"timer", "--clock", "fast", "--ms", "1"},
         "zolvik timer: 'fast' is not a valid integer value\n"},
        {{"schedule", "decode", "12x"},
         "zolvik schedule decode: '12x' is not a valid integer value\n"},
        {{"schedule", "encode", "--start", "-30", "--duration", "10"},
         "zolvik schedule encode: Invalid argument to time encode\n"},
        {{"mod", "1", "10", "0"}, "zolvik mod: Division by zero\n"},
        {{"mod", "0", "2000000", "7"},
         "zolvik mod: " + zolvik::TooManyModuloLinesMessage(2000001) + "\n"},
        {{"temp", "warm", "c"}, "zolvik temp: 'warm' is not a valid floating point value\n"},
        {{"thermistor", "fit", "--point", "0:32650", "--point", "25:10000"},
         "zolvik thermistor fit: --point: A Steinhart-Hart fit needs at least 3 points; the table "
         "has 2.\n"},
        {{"thermistor", "fit", "--table", "missing.csv"},
         "zolvik thermistor fit: missing.csv: No such file or directory\n"},
        {{"thermistor", "fit", "--table", "bad.csv"},
         "zolvik thermistor fit: bad.csv: Line 3: 'lots' is not a number.\n"},
        {{"thermistor", "fit", "--beta", "10000:25:-3950"},
         "zolvik thermistor fit: 10000:25:-3950: B must be above 0 kelvin\n"},
        {Joined(kLut, {"--entries", "1"}),
         "zolvik thermistor lut: 1: a value from 2 to 4096 is needed\n"},
        {Joined(kLut, {"--max-error", "0.25", "--entries", "4"}),
         "zolvik thermistor lut: 0.25: the bound needs " +
             std::to_string(
                 zolvik::MakeAdcKnots({zolvik::BetaModel{10000, 25, 3950}, -40, 125,
                                       zolvik::DividerKind::ThermistorToGround, 10000, 10},
                                      0.25)
                     .knots.size()) +
             " pairs, more than --entries 4\n"},
        {{"timer", "--clock", "16000000", "--period", "10s", "--timer", "avr0"},
         "zolvik timer: 10s: No prescaler and count of this timer reach the period.\n"},
        {{"timer", "--clock", "16000000", "--period", "1ms", "--timer", "avr9"},
         "zolvik timer: avr9: Unknown timer 'avr9'.\n"},
        {{"timer", "--clock", "4294967296", "--period", "1ms", "--timer", "avr1"},
         "zolvik timer: 4294967296: a value from 1 to 4294967295 is needed\n"},
    };
    const std::vector<std::string> before = folder.Names();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.at(1));
        const Outcome outcome = RunZolvik(folder, c.args);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(folder.Names(), before);
    }
    EXPECT_EQ(ScratchFolder::Read(folder.File("table.txt")), "an older table");
}

TEST(ZolvikProgram, UsageFaultsGiveStatusTwoAndTheUsageOnStandardError)
{
    ScratchFolder folder;
    const struct {
        std::vector<std::string> args;
        std::string firstLine;
        std::string usage;
    } cases[] = {
        {{}, "zolvik: A subcommand is required", "Usage: zolvik [OPTIONS] SUBCOMMAND"},
        {{"tabel", "x"},
         "zolvik: unknown subcommand 'tabel'",
         "Usage: zolvik [OPTIONS] SUBCOMMAND"},
        {{"--colour"}, "zolvik: unknown option '--colour'", "Usage: zolvik [OPTIONS] SUBCOMMAND"},
        {{"table", "x", "--wide"},
         "zolvik table: The following argument was not expected: --wide",
         "Usage: zolvik table [OPTIONS] INPUT"},
        {{"table", "x", "-w", "12"},
         "zolvik table: --width: 12 not in {8,16,32}",
         "Usage: zolvik table [OPTIONS] INPUT"},
        {{"timer", "--clock", "1"},
         "zolvik timer: --ms is required",
         "Usage: zolvik timer [OPTIONS]"},
        {{"schedule", "encode", "--start", "1", "--duration", "1", "--days", "12"},
         "zolvik schedule encode: --days: seven digits 0 or 1 are needed, Sunday first",
         "Usage: zolvik schedule encode [OPTIONS]"},
        {{"font", "--size", "9"},
         "zolvik font: --family or --font-file is required",
         "Usage: zolvik font [OPTIONS]"},
        {{"font", "--family", "x", "--size", "9", "--layout", "columns"},
         "zolvik font: --layout: columns not in {rows,pages}",
         "Usage: zolvik font [OPTIONS]"},
        {{"font", "--family", "x", "--size", "9", "--form", "bytes"},
         "zolvik font: --form: bytes not in {string,array}",
         "Usage: zolvik font [OPTIONS]"},
        {{"font", "--family", "x", "--size", "9", "--proportional", "--sheet", "c.bmp"},
         "zolvik font: --sheet excludes --proportional",
         "Usage: zolvik font [OPTIONS]"},
        {{"icons", "x.png", "--tile", "4y2"},
         "zolvik icons: --tile: '4y2' is not WxH",
         "Usage: zolvik icons [OPTIONS] SHEET"},
        {{"icons", "x.png", "--format", "rgb555"},
         "zolvik icons: --format: rgb555 not in "
         "{rgb888,rgb565,rgb565be,bgr565,rgb332,argb8888,mono}",
         "Usage: zolvik icons [OPTIONS] SHEET"},
        {{"thermistor", "fit"},
         "zolvik thermistor fit: --point, --table or --beta is required",
         "Usage: zolvik thermistor fit [OPTIONS]"},
        {kLut, "zolvik thermistor lut: --entries or --max-error is required",
         "Usage: zolvik thermistor lut [OPTIONS]"},
        {{"timer", "--clock", "1", "--period", "1ms"},
         "zolvik timer: --period requires --timer",
         "Usage: zolvik timer [OPTIONS]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.firstLine);
        const Outcome outcome = RunZolvik(folder, c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), c.firstLine);
        EXPECT_NE(outcome.err.find(c.usage), std::string::npos) << outcome.err;
    }
}

TEST(ZolvikProgram, HelpAndVersionGoToStandardOutput)
{
    ScratchFolder folder;
    const Outcome version = RunZolvik(folder, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string(ZOLVIK_EXPECTED_VERSION) + "\n");
    for (const std::string command :
         {"table", "font", "icons", "cursor", "lcd", "timer", "mod", "temp"}) {
        const Outcome help = RunZolvik(folder, {command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find("Usage: zolvik " + command + " "), std::string::npos) << help.out;
        EXPECT_EQ(help.err, "");
    }
    const Outcome converter = RunZolvik(folder, {"hex2bin", "-h"});
    EXPECT_EQ(converter.status, 0);
    EXPECT_TRUE(converter.out.starts_with("Usage: zolvik hex2bin [options] FILE.hex\n"))
        << converter.out;
}

TEST(ZolvikProgram, StandardInputAndOutputCarryTheSameBytesAsFiles)
{
    ScratchFolder folder;
    const std::string data = Bytes(5000);
    folder.Write("data.bin", data);
    folder.Write("cursor.bin", Bytes(zolvik::kCursorBinarySize));
    folder.Write("sheet.bmp", GreyBmp(48, 96));
    const zolvik::RomTableLayout layout{
        .elementBytes = 2, .format = zolvik::RomFormat::Vhdl, .columns = 6, .tabs = 1};
    const std::vector<std::string> vhdl = {"-f", "vhdl", "-w", "16", "-c", "6"};
    EXPECT_EQ(RunZolvik(folder, Joined({"table", "-"}, vhdl), "").out,
              zolvik::RomTableText("", layout));

    // The file each writes, which is `expected` when one is given, and the same bytes printed
    // by the runs `printed` (arguments, then what feeds standard input).
    const struct {
        std::vector<std::string> args;
        std::string file;
        std::string expected;
        std::vector<std::pair<std::vector<std::string>, std::string>> printed;
    } cases[] = {
        {Joined({"table", "data.bin"}, vhdl),
         "data.txt",
         zolvik::RomTableText(data, layout),
         {{Joined({"table", "-"}, vhdl), "cat data.bin |"},
          {Joined({"table", "-"}, vhdl), "exec < data.bin;"},
          {Joined({"table", "data.bin", "-o", "-"}, vhdl), ""}}},
        {{"cursor", "cursor.bin", "-o", "cursor.h"},
         "cursor.h",
         "",
         {{{"cursor", "-"}, "cat cursor.bin |"}}},
        {{"icons", "sheet.bmp"},
         "sheet.bmb",
         std::string(2 * 48 * 48 * 3, '\x80'),
         {{{"icons", "-"}, "cat sheet.bmp |"}, {{"icons", "sheet.bmp", "-o", "-"}, ""}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(RunZolvik(folder, c.args).status, 0);
        const std::string written = ScratchFolder::Read(folder.File(c.file));
        const std::string expected = c.expected.empty() ? written : c.expected;
        EXPECT_EQ(written, expected);
        for (const auto &[args, feed] : c.printed)
            EXPECT_EQ(RunZolvik(folder, args, feed).out, expected) << feed;
    }
}

// The formats and options of the table writer, and the converter both ways through pipes: a
// binary as Intel HEX and back gives the binary again.
TEST(ZolvikProgram, TableFormatsAndTheConverterBothWays)
{
    ScratchFolder folder;
    const std::string data = Bytes(4099);
    folder.Write("boot-2.bin", data);

    const struct {
        std::vector<std::string> options;
        zolvik::RomTableLayout layout;
    } cases[] = {
        {{"-f", "c-stdint", "-w", "32", "--pad", "0xEE"},
         {.elementBytes = 4,
          .format = zolvik::RomFormat::CStdint,
          .name = "boot_2_bin",
          .pad = 0xEE}},
        {{"-f", "vhdl-package", "-w", "16", "--big-endian", "--name", "rom"},
         {.elementBytes = 2,
          .format = zolvik::RomFormat::VhdlPackage,
          .name = "rom",
          .bigEndian = true}},
        {{"-f", "mif"}, {.format = zolvik::RomFormat::Mif}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunZolvik(folder, Joined({"table", "boot-2.bin", "-o", "-"}, c.options)).out,
                  zolvik::RomTableText(data, c.layout))
            << c.options[1];
    EXPECT_EQ(RunZolvik(folder, {"table", "boot-2.bin", "-f", "cpp"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.File("boot-2.hpp")));

    const Outcome hex =
        RunZolvik(folder, {"bin2hex", "-", "--address", "0x0800FFF0"}, "cat boot-2.bin |");
    ASSERT_EQ(hex.status, 0) << hex.err;
    folder.Write("image.hex", hex.out);
    EXPECT_EQ(RunZolvik(folder, {"hex2bin", "-", "-f", "0x00"}, "cat image.hex |").out, data);
    const Outcome file = RunZolvik(folder, {"hex2bin", "image.hex"});
    EXPECT_EQ(file.out, "image.bin: 0x0800FFF0-0x08010FF2, 4099 bytes\n");
    EXPECT_EQ(ScratchFolder::Read(folder.File("image.bin")), data);
    EXPECT_EQ(RunZolvik(folder, {"bin2hex", "boot-2.bin", "--address", "0x0800FFF0"}).status, 0);
    EXPECT_EQ(ScratchFolder::Read(folder.File("boot-2.hex")), hex.out);
}

// Every pixel format and tile size, from a PNG with transparency, gives the engine's own
// records; the C header of the same records compiles as C99 and holds them.
TEST(ZolvikProgram, IconsInEveryFormatAndTileSizeAreTheEnginesRecords)
{
    ScratchFolder folder;
    const zolvik::RgbaRaster sheet = TestSheet(24, 12);
    folder.Write("sheet.png", PictureOf(sheet));
    const struct {
        std::string format;
        std::string tile;
    } cases[] = {{"rgb888", "24x12"}, {"rgb565", "8x4"},   {"rgb565be", "12x12"}, {"bgr565", "3x6"},
                 {"rgb332", "6x2"},   {"argb8888", "4x4"}, {"mono", "8x3"},       {"mono", "1X1"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format + " " + c.tile);
        const zolvik::PixelFormat format = *zolvik::PixelFormatNamed(c.format);
        const zolvik::TileSize tile = *zolvik::ParseTileSize(c.tile);
        const std::vector<std::uint8_t> records = zolvik::TileRecords(sheet, tile, format);
        const Outcome raw = RunZolvik(
            folder, {"icons", "sheet.png", "--format", c.format, "--tile", c.tile, "-o", "-"});
        EXPECT_EQ(raw.status, 0) << raw.err;
        EXPECT_EQ(raw.out, std::string(records.begin(), records.end()));
        const Outcome header = RunZolvik(
            folder, {"icons", "-", "--format", c.format, "--tile", c.tile, "--header", "sheet"},
            "cat sheet.png |");
        const int count = zolvik::TileCount(sheet.width, sheet.height, tile);
        ASSERT_EQ(header.out, zolvik::IconHeaderText("sheet", tile, count, format, records));
        if (!zolvik::test::HaveGcc())
            continue;
        const zolvik::test::CRun run = zolvik::test::CompileAndRun(
            {{"sheet.h", header.out}},
            std::string(zolvik::test::kDumpFunction) +
                "#include \"sheet.h\"\n"
                "int main(void)\n{\n"
                "    printf(\"%d %d %d\\n\", SHEET_TILE_WIDTH, SHEET_TILE_HEIGHT, "
                "SHEET_TILE_COUNT);\n"
                "    dump(sheet_pixels, sizeof sheet_pixels);\n    return 0;\n}\n");
        ASSERT_TRUE(run.compiled) << run.diagnostics;
        EXPECT_EQ(run.output, std::to_string(tile.width) + " " + std::to_string(tile.height) + " " +
                                  std::to_string(count) + "\n" + zolvik::test::Hex(records) + "\n");
    }
    // One pixel worked by hand: a quarter-opaque 0x112233 keeps its alpha in argb8888.
    folder.Write("one.png", PictureOf({1, 1, {0x44332211}}));
    EXPECT_EQ(
        RunZolvik(folder, {"icons", "one.png", "--format", "argb8888", "--tile", "1x1", "-o", "-"})
            .out,
        std::string("\x33\x22\x11\x44", 4));
    EXPECT_EQ(RunZolvik(folder, {"icons", "one.png", "--tile", "1x1", "--header", "one"}).status,
              0);
    EXPECT_TRUE(std::filesystem::exists(folder.File("one.h")));
}

// The new forms of the font header are the engines' own text for the rendered glyphs, and the
// array form compiles as C99 with its descriptor pointing at its bitmaps.
TEST(ZolvikProgram, FontRangesLayoutsAndTheArrayForm)
{
    ScratchFolder folder;
    const zolvik::cli::GuiSession gui;
    const QString family = "DejaVu Sans";
    if (!QFontDatabase::hasFamily(family))
        GTEST_SKIP() << "DejaVu Sans is not installed";
    const struct {
        std::vector<std::string> options;
        GlyphChoice choice;
    } cases[] = {
        {{"--first", "32", "--last", "126"}, {32, 126, zolvik::GlyphLayout::Rows, true}},
        {{"--layout", "pages", "--first", "0x7E", "--last", "161"},
         {126, 161, zolvik::GlyphLayout::Pages, false}},
        {{"--layout", "pages", "--first", "0x7E", "--last", "161", "--keep-missing"},
         {126, 161, zolvik::GlyphLayout::Pages, true}},
        {{"--proportional"}, {0, 255, zolvik::GlyphLayout::Rows, false}},
        {{"--proportional", "--layout", "pages", "--first", "65", "--last", "90"},
         {65, 90, zolvik::GlyphLayout::Pages, false}},
    };
    for (const auto &c : cases) {
        for (const bool array : {false, true}) {
            std::vector<std::string> args =
                Joined({"font", "--family", "DejaVu Sans", "--size", "10", "--id", "3", "-o", "-"},
                       c.options);
            if (array)
                args.insert(args.end(), {"--form", "array", "--name", "sans10"});
            SCOPED_TRACE(args.back() + " " + c.options.front() + " " + c.options.back());
            std::string expected;
            if (c.options.front() == "--proportional") {
                const auto header =
                    RenderProportionalFont(family, 10, 3, zolvik::cli::kRenderDpi, c.choice);
                ASSERT_TRUE(header);
                expected = array ? zolvik::FontArrayText("sans10", *header)
                                 : zolvik::ProportionalFontHeaderText(*header);
            } else {
                const auto font = RenderFixedFont(family, 10, 3, zolvik::cli::kRenderDpi, c.choice);
                ASSERT_TRUE(font);
                expected = array ? zolvik::FontArrayText("sans10", font->header)
                                 : zolvik::FontHeaderText(font->header);
            }
            const Outcome outcome = RunZolvik(folder, args);
            EXPECT_EQ(outcome.status, 0) << outcome.err;
            EXPECT_EQ(outcome.out, expected);
            if (!array || !zolvik::test::HaveGcc())
                continue;
            const zolvik::test::CRun run = zolvik::test::CompileAndRun(
                {{"sans10.h", outcome.out}},
                "#include <stdio.h>\n#include \"sans10.h\"\n"
                "int main(void)\n{\n"
                "    printf(\"%d %d %d %d\\n\", sans10.first, sans10.last, sans10.layout,\n"
                "           sans10.bitmaps == sans10_bitmaps);\n    return 0;\n}\n");
            ASSERT_TRUE(run.compiled) << run.diagnostics;
            EXPECT_EQ(run.output,
                      std::to_string(c.choice.first) + " " + std::to_string(c.choice.last) + " " +
                          (c.choice.layout == zolvik::GlyphLayout::Pages ? "1" : "0") + " 1\n");
        }
    }
}

}  // namespace
