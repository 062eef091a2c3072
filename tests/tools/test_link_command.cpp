#include "tools/link_command.h"

#include <gtest/gtest.h>

namespace zolvik {
namespace {

TEST(LinkCommandParameters, NameLocationAndTargetInQuotes)
{
    EXPECT_EQ(LinkCommandParameters("C:\\work", "links", "D:\\data"),
              "/C mklink /D \"C:\\work\\links\" \"D:\\data\"");
}

TEST(LinkCommandParameters, DriveRootGivesTwoBackslashes)
{
    EXPECT_EQ(LinkCommandParameters("C:\\", "links", "D:\\data"),
              "/C mklink /D \"C:\\\\links\" \"D:\\data\"");
}

TEST(LinkCommandParameters, TextsTakenAsTheyStand)
{
    // One blank as the name, blanks around the target, a quote inside a field: all unchanged.
    EXPECT_EQ(LinkCommandParameters("C:\\work", " ", " D:\\data "),
              "/C mklink /D \"C:\\work\\ \" \" D:\\data \"");
    EXPECT_EQ(LinkCommandParameters("a\"b", "n", "t"), "/C mklink /D \"a\"b\\n\" \"t\"");
    EXPECT_EQ(LinkCommandParameters("", "", ""), "/C mklink /D \"\\\" \"\"");
    // UTF-8 text passes byte for byte.
    EXPECT_EQ(LinkCommandParameters("C:\\Simbólico", "ç", "D:\\ã"),
              "/C mklink /D \"C:\\Simbólico\\ç\" \"D:\\ã\"");
}

TEST(LinkFieldsFilled, EmptyOnlyWithoutAnyCharacter)
{
    EXPECT_TRUE(LinkFieldsFilled("links", "C:\\work", "D:\\data"));
    EXPECT_TRUE(LinkFieldsFilled(" ", " ", " "));
    EXPECT_FALSE(LinkFieldsFilled("", "C:\\work", "D:\\data"));
    EXPECT_FALSE(LinkFieldsFilled("links", "", "D:\\data"));
    EXPECT_FALSE(LinkFieldsFilled("links", "C:\\work", ""));
    EXPECT_FALSE(LinkFieldsFilled("", "", ""));
}

TEST(LinkPath, NameJoinedToLocationBySlash)
{
    EXPECT_EQ(LinkPath("/home/user/work", "links"), "/home/user/work/links");
    EXPECT_EQ(LinkPath("/", "links"), "//links");
    EXPECT_EQ(LinkPath("/tmp", " "), "/tmp/ ");
}

}  // namespace
}  // namespace zolvik
