// Rendering a real installed font into glyph rasters, "campo.bmp" and a header that a C
// compiler accepts.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "main/page_fonts_glyphs.h"
#include "common/errors.h"
#include "tests/support/file_bytes.h"
#include "tools/glyph_header.h"

namespace {

const QString kFamily = "DejaVu Sans";

std::uint32_t LittleEndian(const QByteArray &bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

bool IsBilevel(const zolvik::RgbRaster &raster)
{
    for (std::uint32_t colour : raster.pixels)
        if (colour != zolvik::kRasterBlack && colour != zolvik::kRasterWhite)
            return false;
    return true;
}

int InkCount(const zolvik::RgbRaster &raster)
{
    int count = 0;
    for (std::uint32_t colour : raster.pixels)
        count += colour == zolvik::kRasterBlack;
    return count;
}

// Leading rows of campo.bmp whose left pixel carries the red marker.
int MarkedRowsAtTop(const QImage &field)
{
    int rows = 0;
    while (rows < field.height() && field.pixel(0, rows) == qRgb(255, 0, 0))
        ++rows;
    return rows;
}

}  // namespace

TEST(GlyphFontSetUp, EmSizeAtTheScreenResolutionAndNothingButFamilyAndSize)
{
    EXPECT_EQ(GlyphFont(kFamily, 16, 96).pixelSize(), 21);   // 21.33
    EXPECT_EQ(GlyphFont(kFamily, 16, 120).pixelSize(), 27);  // 26.67
    EXPECT_EQ(GlyphFont(kFamily, 9, 96).pixelSize(), 12);    // 12.0
    EXPECT_EQ(GlyphFont(kFamily, 3, 120).pixelSize(), 5);    // 5.0
    const QFont font = GlyphFont(kFamily, 16, 96);
    EXPECT_EQ(font.family(), kFamily);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_EQ(font.style(), QFont::StyleNormal);
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

TEST(GlyphFontSetUp, HeaderNameCarriesTheIdInTheGivenFolder)
{
    EXPECT_EQ(FontHeaderPath("/opt/zolvik", 12), "/opt/zolvik/fontmap12.h");
    EXPECT_EQ(FontHeaderPath("/opt/zolvik/", 0), "/opt/zolvik/fontmap0.h");
    EXPECT_EQ(FontHeaderPath("/opt/zolvik", -1), "/opt/zolvik/fontmap-1.h");
}

TEST(GlyphRendering, CellIsMWideAndFontHighAndEveryPixelBlackOrWhite)
{
    const QFont font = GlyphFont(kFamily, 16, 96);
    const GlyphRenderer renderer(font);
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    EXPECT_EQ(renderer.CellWidth(), metrics.horizontalAdvance("M"));
    EXPECT_EQ(renderer.CellHeight(), metrics.ascent() + metrics.descent());
    ASSERT_GT(renderer.CellWidth(), 8);

    const zolvik::RgbRaster pile = renderer.PiledGlyphs();
    EXPECT_EQ(pile.width, renderer.CellWidth());
    EXPECT_EQ(pile.height, renderer.CellHeight());
    EXPECT_TRUE(IsBilevel(pile));
    for (int code : {0, int{'A'}, int{'$'}, int{'|'}, 0xC7, 0xFF}) {
        const zolvik::RgbRaster glyph = renderer.Glyph(code);
        EXPECT_TRUE(IsBilevel(glyph)) << code;
    }
    EXPECT_GT(InkCount(renderer.Glyph('A')), 20);
    EXPECT_EQ(InkCount(renderer.Glyph(' ')), 0);
    // The letter with the cedilla is drawn as U+00C7 and reaches below the plain C.
    const auto lowestInk = [](const zolvik::RgbRaster &raster) {
        int lowest = -1;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x)
                if (raster.At(x, y) == zolvik::kRasterBlack)
                    lowest = y;
        return lowest;
    };
    EXPECT_GT(lowestInk(renderer.Glyph(0xC7)), lowestInk(renderer.Glyph('C')));
}

TEST(FontFiles, FieldPictureIsAnEightBitBmpWithMarkersAndTheHeaderSizesAgree)
{
    QTemporaryDir folder;
    const QString fieldPath = folder.filePath("campo.bmp");
    ASSERT_TRUE(GenerateFontFiles(kFamily, 16, 7, 96, fieldPath, folder.path()));

    const GlyphRenderer renderer(GlyphFont(kFamily, 16, 96));
    const int width = renderer.CellWidth();
    const int cellHeight = renderer.CellHeight();

    const QByteArray bmp = zolvik_test::ReadFile(fieldPath);
    ASSERT_GT(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(LittleEndian(bmp, 2, 4), static_cast<std::uint32_t>(bmp.size()));
    EXPECT_EQ(LittleEndian(bmp, 18, 4), static_cast<std::uint32_t>(width));
    EXPECT_EQ(LittleEndian(bmp, 22, 4), static_cast<std::uint32_t>(cellHeight));
    EXPECT_EQ(LittleEndian(bmp, 28, 2), 8u);  // bits per pixel
    EXPECT_EQ(LittleEndian(bmp, 30, 4), 0u);  // uncompressed
    const std::uint32_t pixelOffset = LittleEndian(bmp, 10, 4);
    const std::uint32_t tableBytes = pixelOffset - 14 - LittleEndian(bmp, 14, 4);
    EXPECT_GE(tableBytes, 3u * 4u);  // white, black and the red marker at least
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) + 3) / 4 * 4;
    EXPECT_EQ(bmp.size(), static_cast<qsizetype>(pixelOffset + rowBytes * cellHeight));

    QImage field;
    ASSERT_TRUE(field.load(fieldPath, "BMP"));
    EXPECT_EQ(field.format(), QImage::Format_Indexed8);
    const zolvik::RgbRaster pile = renderer.PiledGlyphs();
    const zolvik::InkRows rows = zolvik::FindInkRows(pile).value();
    EXPECT_EQ(MarkedRowsAtTop(field), rows.top);
    for (int y = 0; y < cellHeight; ++y) {
        const bool trimmed = y < rows.top || y >= rows.top + rows.height;
        if (trimmed) {
            EXPECT_EQ(field.pixel(0, y), qRgb(255, 0, 0)) << y;
        }
        for (int x = trimmed ? 1 : 0; x < width; ++x)
            ASSERT_EQ(field.pixel(x, y) & 0xFFFFFF, pile.At(x, y) == 0 ? 0u : 0xFFFFFFu)
                << x << "," << y;
    }

    const QByteArray header = zolvik_test::ReadFile(folder.filePath("fontmap7.h"));
    const int bpc = zolvik::BytesPerRow(width) * rows.height;
    EXPECT_TRUE(header.startsWith("//DejaVu Sans 16\r\n//bytes/char = " + QByteArray::number(bpc) +
                                  "\r\n"));
    EXPECT_TRUE(header.contains("\r\n//width = " + QByteArray::number(width) + "\r\n"));
    EXPECT_TRUE(header.contains("\r\n//height = " + QByteArray::number(rows.height) + "\r\n"));
    EXPECT_TRUE(
        header.contains("\r\nconst char fontmap7[" + QByteArray::number(256 * bpc) + "] = {\r\n"));
    EXPECT_EQ(header.count("\\x"), 256 * bpc);
    EXPECT_TRUE(header.endsWith("    .pfont = fontmap7\r\n};\r\n \r\n"));
}

TEST(FontFiles, FieldPictureThatCannotBeCreatedStopsBeforeTheHeader)
{
    QTemporaryDir folder;
    const QString fieldPath = folder.filePath("missing/campo.bmp");
    try {
        GenerateFontFiles(kFamily, 8, 3, 96, fieldPath, folder.path());
        FAIL() << "no error";
    } catch (const zolvik::Error &error) {
        const QString message = QString::fromStdString(error.what());
        EXPECT_TRUE(message.startsWith("Cannot create file \"" + fieldPath + "\". "))
            << message.toStdString();
        EXPECT_GT(message.size(), QString("Cannot create file \"" + fieldPath + "\". ").size());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

TEST(FontFiles, HeaderCompilesAsCAndCarriesTheRenderedInk)
{
    const QString compiler = QStandardPaths::findExecutable("cc");
    ASSERT_FALSE(compiler.isEmpty()) << "no C compiler named cc";
    QTemporaryDir folder;
    ASSERT_TRUE(GenerateFontFiles(kFamily, 16, 5, 96, folder.filePath("campo.bmp"), folder.path()));

    QFile program(folder.filePath("show_glyph.c"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write(
        "typedef struct {\n"
        "    int bpc;\n    int width;\n    int height;\n    int first;\n    int last;\n"
        "    const char *pfont;\n"
        "} tFONTBIN;\n"
        "#include \"fontmap5.h\"\n"
        "#include <stdio.h>\n"
        "int main(void)\n"
        "{\n"
        "    printf(\"%u %d %d %d %d %d\\n\", (unsigned)sizeof fontmap5, fontbin5.bpc,\n"
        "           fontbin5.width, fontbin5.height, fontbin5.first, fontbin5.last);\n"
        "    for (int i = 0; i < fontbin5.bpc; ++i)\n"
        "        printf(\"%02X\", (unsigned char)fontbin5.pfont['A' * fontbin5.bpc + i]);\n"
        "    printf(\"\\n\");\n"
        "    return 0;\n"
        "}\n");
    program.close();

    QProcess compile;
    compile.setWorkingDirectory(folder.path());
    compile.start(compiler,
                  {"-std=c99", "-Wall", "-Wextra", "-Werror", "-o", "show_glyph", "show_glyph.c"});
    ASSERT_TRUE(compile.waitForFinished(60000));
    ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();

    QProcess run;
    run.start(folder.filePath("show_glyph"), {});
    ASSERT_TRUE(run.waitForFinished(10000));
    ASSERT_EQ(run.exitCode(), 0);
    const QList<QByteArray> lines = run.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), 2);
    const QList<QByteArray> numbers = lines[0].split(' ');
    ASSERT_EQ(numbers.size(), 6);
    const int size = numbers[0].toInt();
    const int bpc = numbers[1].toInt();
    const int width = numbers[2].toInt();
    const int height = numbers[3].toInt();
    EXPECT_EQ(numbers[4], "0");
    EXPECT_EQ(numbers[5], "255");
    EXPECT_EQ(size, 256 * bpc);
    EXPECT_EQ(bpc, ((width + 7) / 8) * height);

    // The compiled glyph of "A", bit by bit, against the raster the renderer drew.
    const GlyphRenderer renderer(GlyphFont(kFamily, 16, 96));
    ASSERT_EQ(width, renderer.CellWidth());
    QImage field;
    ASSERT_TRUE(field.load(folder.filePath("campo.bmp"), "BMP"));
    const int top = MarkedRowsAtTop(field);
    const QByteArray glyph = QByteArray::fromHex(lines[1]);
    ASSERT_EQ(glyph.size(), bpc);
    const zolvik::RgbRaster raster = renderer.Glyph('A');
    const int rowBytes = (width + 7) / 8;
    int inkBits = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < rowBytes * 8; ++x) {
            const bool bit =
                (static_cast<std::uint8_t>(glyph[y * rowBytes + x / 8]) >> (7 - x % 8)) & 1;
            const bool ink = x < width && raster.At(x, top + y) == zolvik::kRasterBlack;
            EXPECT_EQ(bit, ink) << "x " << x << " row " << y;
            inkBits += bit;
        }
    }
    EXPECT_EQ(inkBits, InkCount(raster));
    EXPECT_GT(inkBits, 20);
}
