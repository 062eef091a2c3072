#include <sstream>

#include <gtest/gtest.h>

using namespace std::string_literals;

#include "tools/line_writer.h"

using zolvik::ToLowBytes;

TEST(LineWriter, EveryUtf16UnitBecomesItsLowByte)
{
    EXPECT_EQ(ToLowBytes("abc"), "abc");
    EXPECT_EQ(ToLowBytes("\xC3\xA7"), "\xE7");                  // U+00E7 keeps its Latin-1 byte
    EXPECT_EQ(ToLowBytes("\xC4\x81"), std::string("\x01", 1));  // U+0101 loses its high byte
    EXPECT_EQ(ToLowBytes("\xE2\x82\xAC"), "\xAC");              // U+20AC
    // U+1F600 is the surrogate pair D83D DE00.
    EXPECT_EQ(ToLowBytes("\xF0\x9F\x98\x80"), "\x3D\x00"s.substr(0, 1) + std::string(1, '\0'));
    // A byte that starts no valid sequence stands for itself.
    EXPECT_EQ(ToLowBytes("\xFF"
                         "a"),
              "\xFF"
              "a");
    EXPECT_EQ(ToLowBytes("\xC3"), "\xC3");
}

TEST(LineWriter, LinesEndInCrLf)
{
    std::ostringstream out;
    zolvik::WriteLineFmt(out, "", {}, '.');
    zolvik::WriteLineFmt(out, "%d%%", {42}, '.');
    zolvik::WriteLine(out, "100% kept");
    zolvik::WriteLineFmt(out, "%0.1f", {1.25L}, ',');
    EXPECT_EQ(out.str(), "\r\n42%\r\n100% kept\r\n1,3\r\n");
}
