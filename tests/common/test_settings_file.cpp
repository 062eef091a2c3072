#include "common/settings_file.h"
#include "common/settings_location.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zolvik {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "settingsXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Folder = pattern;
        Path = (Folder / "zolviktools.ini").string();
    }

    void TearDown() override
    {
        std::error_code ignored;
        for (const auto &entry : fs::recursive_directory_iterator(Folder, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(Folder, ignored);
    }

    void Put(const std::string &bytes) const { PutAt(Path, bytes); }

    static void PutAt(const std::string &path, const std::string &bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        ASSERT_TRUE(out.good());
    }

    std::string Contents() const
    {
        std::ifstream in(Path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::set<std::string> FolderEntries() const
    {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(Folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    static bool RunningAsRoot() { return ::geteuid() == 0; }

    // The write must throw exactly the settings file's error for `path`.
    static void ExpectWriteError(const std::string &path, const std::function<void()> &write)
    {
        try {
            write();
            ADD_FAILURE() << "write to " << path << " did not fail";
        } catch (const Error &error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
        }
    }

    fs::path Folder;
    std::string Path;
};

// ---- missing file ----

TEST_F(SettingsFileTest, MissingFileGivesEveryDefaultAndCreatesNothing)
{
    const SettingsFile store(Path);
    EXPECT_EQ(store.Path(), Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 0);
    EXPECT_EQ(store.ReadInteger("WINDOWS", "LEFT", -7), -7);
    EXPECT_EQ(store.ReadString("EDT", "MOD_FIM", "20"), "20");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_T1", ""), "");
    EXPECT_TRUE(store.ReadBool("RG", "BYTE", true));
    EXPECT_FALSE(store.ReadBool("RG", "WORD", false));
    EXPECT_FALSE(fs::exists(Path));
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(SettingsFileTest, MissingSectionOrKeyGivesDefault)
{
    Put("[APP]\r\nPC=4\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "OTHER", 9), 9);
    EXPECT_EQ(store.ReadInteger("NOPE", "PC", 8), 8);
    EXPECT_EQ(store.ReadString("NOPE", "PC", "x"), "x");
    EXPECT_TRUE(store.ReadBool("NOPE", "PC", true));
}

TEST_F(SettingsFileTest, DefaultIsReturnedAsGiven)
{
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("A", "B", "  padded 'text'  "), "  padded 'text'  ");
}

TEST_F(SettingsFileTest, FolderInPlaceOfFileReadsAsMissing)
{
    fs::create_directory(Path);
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("APP", "PC", "d"), "d");
    EXPECT_EQ(store.ReadInteger("APP", "PC", 5), 5);
}

TEST_F(SettingsFileTest, UnreadableFileReadsAsMissing)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "permission bits do not bind root";
    Put("[APP]\r\nPC=3\r\n");
    fs::permissions(Path, fs::perms::none);
    EXPECT_EQ(SettingsFile(Path).ReadInteger("APP", "PC", 0), 0);
}

// ---- the layout of a file written for the first time ----

TEST_F(SettingsFileTest, FirstShutdownWritesSectionsAndKeysInWriteOrder)
{
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 2);
    store.WriteInteger("WINDOWS", "LEFT", 120);
    store.WriteInteger("WINDOWS", "TOP", -30);
    store.WriteString("EDT", "MOD_INIT", "0");
    store.WriteString("EDT", "MOD_FIM", "20");
    store.WriteString("EDT", "MOD", "10");
    store.WriteString("EDIT", "COL", "8");
    store.WriteString("EDIT", "TAB", "1");
    store.WriteString("EDIT", "EDT_DEST_NAME", "link");
    store.WriteString("EDIT", "EDT_DEST_DIR", "/home/u/dest");
    store.WriteString("EDIT", "EDT_ORG_DIR", "/home/u/org");
    store.WriteBool("RG", "BYTE", true);
    store.WriteBool("RG", "WORD", false);
    store.WriteBool("RG", "DWORD", false);
    store.WriteBool("RG", "VHDL", false);
    store.WriteBool("RG", "C", true);
    store.WriteString("EDIT", "EDT_T1", "-20");
    store.WriteString("EDIT", "EDT_T2", "12.5");
    store.WriteString("EDIT", "EDT_T3", "45");
    store.WriteString("EDIT", "EDT_R1", "1103073");
    store.WriteString("EDIT", "EDT_R2", "183079");
    store.WriteString("EDIT", "EDT_R3", "41316,1");

    EXPECT_EQ(Contents(),
              "[APP]\r\nPC=2\r\n"
              "\r\n[WINDOWS]\r\nLEFT=120\r\nTOP=-30\r\n"
              "\r\n[EDT]\r\nMOD_INIT=0\r\nMOD_FIM=20\r\nMOD=10\r\n"
              "\r\n[EDIT]\r\nCOL=8\r\nTAB=1\r\nEDT_DEST_NAME=link\r\nEDT_DEST_DIR=/home/u/dest\r\n"
              "EDT_ORG_DIR=/home/u/org\r\nEDT_T1=-20\r\nEDT_T2=12.5\r\nEDT_T3=45\r\n"
              "EDT_R1=1103073\r\nEDT_R2=183079\r\nEDT_R3=41316,1\r\n"
              "\r\n[RG]\r\nBYTE=1\r\nWORD=0\r\nDWORD=0\r\nVHDL=0\r\nC=1\r\n");
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});

    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 2);
    EXPECT_EQ(store.ReadInteger("WINDOWS", "TOP", 0), -30);
    EXPECT_EQ(store.ReadString("EDIT", "EDT_R3", ""), "41316,1");
    EXPECT_TRUE(store.ReadBool("RG", "C", false));
    EXPECT_FALSE(store.ReadBool("RG", "VHDL", true));
}

TEST_F(SettingsFileTest, SecondShutdownRewritesInPlaceWithoutGrowing)
{
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 1);
    store.WriteString("EDIT", "COL", "8");
    store.WriteInteger("APP", "PC", 5);
    store.WriteString("EDIT", "COL", "16");
    EXPECT_EQ(Contents(), "[APP]\r\nPC=5\r\n\r\n[EDIT]\r\nCOL=16\r\n");
}

// ---- matching names ----

TEST_F(SettingsFileTest, SectionAndKeyNamesIgnoreLetterCase)
{
    Put("[aPp]\r\npC=3\r\n[Edit]\r\nedt_t1=-20\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 3);
    EXPECT_EQ(store.ReadInteger("app", "pc", 0), 3);
    EXPECT_EQ(store.ReadString("EDIT", "EDT_T1", ""), "-20");
    EXPECT_EQ(store.ReadString("eDiT", "Edt_T1", ""), "-20");
}

TEST_F(SettingsFileTest, BlanksAroundNamesAreIgnored)
{
    Put("  [  APP \t]  \r\n \t PC  = 3\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 3);
    EXPECT_EQ(store.ReadInteger(" APP ", " PC ", 0), 3);
}

TEST_F(SettingsFileTest, WritingWithOtherCaseUpdatesTheExistingLine)
{
    Put("[app]\r\npc=2\r\nLeft = 5\r\n");
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 7);
    store.WriteInteger("App", "LEFT", 9);
    EXPECT_EQ(Contents(), "[app]\r\npc=7\r\nLeft = 9\r\n");
}

TEST_F(SettingsFileTest, NamesThatDifferOnlyByLengthDoNotMatch)
{
    Put("[APPS]\r\nPC=1\r\n[APP]\r\nPCX=2\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", -1), -1);
    EXPECT_EQ(store.ReadInteger("APPS", "PC", -1), 1);
}

// ---- values as read ----

TEST_F(SettingsFileTest, BlanksAroundValuesAreRemoved)
{
    Put("[EDIT]\r\nA=  hello world \t\r\nB=\tx\r\nC=   \r\nD=\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("EDIT", "A", "?"), "hello world");
    EXPECT_EQ(store.ReadString("EDIT", "B", "?"), "x");
    EXPECT_EQ(store.ReadString("EDIT", "C", "?"), "");
    EXPECT_EQ(store.ReadString("EDIT", "D", "?"), "");
}

TEST_F(SettingsFileTest, TextWithBlanksComesBackTrimmed)
{
    SettingsFile store(Path);
    store.WriteString("EDIT", "EDT_DEST_NAME", "  my link \t");
    EXPECT_EQ(Contents(), "[EDIT]\r\nEDT_DEST_NAME=  my link \t\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_DEST_NAME", ""), "my link");
}

TEST_F(SettingsFileTest, OneMatchingPairOfQuotesIsRemoved)
{
    Put("[Q]\r\n"
        "S='abc'\r\n"
        "D=\"abc\"\r\n"
        "P=  \" a b \"  \r\n"
        "E=''\r\n"
        "N=\"\"\"\"\r\n"
        "M='a'b'\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("Q", "S", "?"), "abc");
    EXPECT_EQ(store.ReadString("Q", "D", "?"), "abc");
    EXPECT_EQ(store.ReadString("Q", "P", "?"), " a b ");
    EXPECT_EQ(store.ReadString("Q", "E", "?"), "");
    EXPECT_EQ(store.ReadString("Q", "N", "?"), "\"\"");
    EXPECT_EQ(store.ReadString("Q", "M", "?"), "a'b");
}

TEST_F(SettingsFileTest, QuotesThatDoNotPairStay)
{
    Put("[Q]\r\n"
        "MIXED='abc\"\r\n"
        "OPEN=\"abc\r\n"
        "CLOSE=abc'\r\n"
        "ONE=\"\r\n"
        "INSIDE=a\"b\"c\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("Q", "MIXED", "?"), "'abc\"");
    EXPECT_EQ(store.ReadString("Q", "OPEN", "?"), "\"abc");
    EXPECT_EQ(store.ReadString("Q", "CLOSE", "?"), "abc'");
    EXPECT_EQ(store.ReadString("Q", "ONE", "?"), "\"");
    EXPECT_EQ(store.ReadString("Q", "INSIDE", "?"), "a\"b\"c");
}

TEST_F(SettingsFileTest, QuotedTextIsWrittenAsGivenAndReadWithoutItsQuotes)
{
    SettingsFile store(Path);
    store.WriteString("EDIT", "EDT_ORG_DIR", "\"C:\\Program Files\"");
    EXPECT_EQ(Contents(), "[EDIT]\r\nEDT_ORG_DIR=\"C:\\Program Files\"\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_ORG_DIR", ""), "C:\\Program Files");
}

TEST_F(SettingsFileTest, EqualsSignsInsideTheValueBelongToIt)
{
    Put("[E]\r\nK=a=b==c\r\n");
    EXPECT_EQ(SettingsFile(Path).ReadString("E", "K", ""), "a=b==c");
}

TEST_F(SettingsFileTest, LongValueIsCutTo2047Characters)
{
    SettingsFile store(Path);
    std::string value;
    for (int i = 0; i < 3000; ++i)
        value += static_cast<char>('a' + i % 26);
    store.WriteString("EDIT", "EDT_DEST_DIR", value);
    EXPECT_EQ(Contents(), "[EDIT]\r\nEDT_DEST_DIR=" + value + "\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_DEST_DIR", ""), value.substr(0, 2047));

    store.WriteString("EDIT", "EXACT", value.substr(0, 2047));
    EXPECT_EQ(store.ReadString("EDIT", "EXACT", ""), value.substr(0, 2047));
    store.WriteString("EDIT", "ONE_MORE", value.substr(0, 2048));
    EXPECT_EQ(store.ReadString("EDIT", "ONE_MORE", ""), value.substr(0, 2047));
}

TEST_F(SettingsFileTest, LengthLimitAppliesAfterTrimmingAndQuotes)
{
    const std::string body(2047, 'z');
    Put("[E]\r\nK=   \"" + body + "\"   \r\n");
    EXPECT_EQ(SettingsFile(Path).ReadString("E", "K", ""), body);
}

TEST_F(SettingsFileTest, LengthLimitCountsCharactersAndNeverSplitsOne)
{
    const std::string eAcute = "\xC3\xA9";        // one character, two bytes
    const std::string clef = "\xF0\x9D\x84\x9E";  // beyond U+FFFF: two UTF-16 units
    const std::string a2046(2046, 'a');
    Put("[E]\r\n"
        "FITS=" +
        a2046 + eAcute +
        "x\r\n"
        "PAIR=" +
        a2046 + clef +
        "\r\n"
        "WIDE=" +
        std::string(2045, 'a') + clef + "x\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("E", "FITS", ""), a2046 + eAcute);
    EXPECT_EQ(store.ReadString("E", "PAIR", ""), a2046);
    EXPECT_EQ(store.ReadString("E", "WIDE", ""), std::string(2045, 'a') + clef);
}

// ---- integers and Booleans ----

TEST_F(SettingsFileTest, IntegersReadDecimalAndHexadecimal)
{
    Put("[APP]\r\n"
        "DOLLAR=$3\r\n"
        "ZEROX=0x3\r\n"
        "UPPERX=0X1F\r\n"
        "BAREX=x10\r\n"
        "BAREUPPER=X10\r\n"
        "ALLBITS=$FFFFFFFF\r\n"
        "NEG=-42\r\n"
        "PLUS=+17\r\n"
        "PADDED=  12  \r\n"
        "QUOTED='5'\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "DOLLAR", 0), 3);
    EXPECT_EQ(store.ReadInteger("APP", "ZEROX", 0), 3);
    EXPECT_EQ(store.ReadInteger("APP", "UPPERX", 0), 31);
    EXPECT_EQ(store.ReadInteger("APP", "BAREX", 0), 16);
    EXPECT_EQ(store.ReadInteger("APP", "BAREUPPER", 0), 16);
    EXPECT_EQ(store.ReadInteger("APP", "ALLBITS", 0), -1);
    EXPECT_EQ(store.ReadInteger("APP", "NEG", 0), -42);
    EXPECT_EQ(store.ReadInteger("APP", "PLUS", 0), 17);
    EXPECT_EQ(store.ReadInteger("APP", "PADDED", 0), 12);
    EXPECT_EQ(store.ReadInteger("APP", "QUOTED", 0), 5);
}

TEST_F(SettingsFileTest, UnreadableIntegersGiveTheDefault)
{
    Put("[APP]\r\nPC=abc\r\nEMPTY=\r\nTAIL=3abc\r\nDECIMAL=2.5\r\nHUGE=99999999999\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 0);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 6), 6);
    EXPECT_EQ(store.ReadInteger("APP", "EMPTY", 4), 4);
    EXPECT_EQ(store.ReadInteger("APP", "TAIL", 4), 4);
    EXPECT_EQ(store.ReadInteger("APP", "DECIMAL", 4), 4);
    EXPECT_EQ(store.ReadInteger("APP", "HUGE", 4), 4);
}

TEST_F(SettingsFileTest, IntegersAreWrittenInDecimalAndReadBack)
{
    SettingsFile store(Path);
    store.WriteInteger("W", "ZERO", 0);
    store.WriteInteger("W", "NEG", -1);
    store.WriteInteger("W", "MIN", std::numeric_limits<std::int32_t>::min());
    store.WriteInteger("W", "MAX", std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Contents(), "[W]\r\nZERO=0\r\nNEG=-1\r\nMIN=-2147483648\r\nMAX=2147483647\r\n");
    EXPECT_EQ(store.ReadInteger("W", "ZERO", 9), 0);
    EXPECT_EQ(store.ReadInteger("W", "NEG", 9), -1);
    EXPECT_EQ(store.ReadInteger("W", "MIN", 9), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(store.ReadInteger("W", "MAX", 9), std::numeric_limits<std::int32_t>::max());
}

TEST_F(SettingsFileTest, BooleansAreTrueForEveryNonZeroInteger)
{
    Put("[RG]\r\nONE=1\r\nZERO=0\r\nTWO=2\r\nNEG=-1\r\nHEX=$10\r\nHEXZERO=0x0\r\nWORDY=true\r\n");
    const SettingsFile store(Path);
    EXPECT_TRUE(store.ReadBool("RG", "ONE", false));
    EXPECT_FALSE(store.ReadBool("RG", "ZERO", true));
    EXPECT_TRUE(store.ReadBool("RG", "TWO", false));
    EXPECT_TRUE(store.ReadBool("RG", "NEG", false));
    EXPECT_TRUE(store.ReadBool("RG", "HEX", false));
    EXPECT_FALSE(store.ReadBool("RG", "HEXZERO", true));
    // Not an integer: the default decides.
    EXPECT_TRUE(store.ReadBool("RG", "WORDY", true));
    EXPECT_FALSE(store.ReadBool("RG", "WORDY", false));
}

TEST_F(SettingsFileTest, BooleansAreWrittenAsOneAndZero)
{
    SettingsFile store(Path);
    store.WriteBool("RG", "BYTE", true);
    store.WriteBool("RG", "WORD", false);
    EXPECT_EQ(Contents(), "[RG]\r\nBYTE=1\r\nWORD=0\r\n");
    store.WriteBool("RG", "BYTE", false);
    store.WriteBool("RG", "WORD", true);
    EXPECT_EQ(Contents(), "[RG]\r\nBYTE=0\r\nWORD=1\r\n");
}

TEST_F(SettingsFileTest, HandEditedSizeKeysAreEachReadAsWritten)
{
    Put("[RG]\nBYTE=1\nWORD=1\nDWORD=0\n");
    const SettingsFile store(Path);
    EXPECT_TRUE(store.ReadBool("RG", "BYTE", false));
    EXPECT_TRUE(store.ReadBool("RG", "WORD", false));
    EXPECT_FALSE(store.ReadBool("RG", "DWORD", true));
}

// ---- what counts as a key ----

TEST_F(SettingsFileTest, CommentLinesAreNeverKeys)
{
    Put("[APP]\r\n;PC=5\r\n#PC=6\r\n  ; LEFT=1\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", -1), -1);
    EXPECT_EQ(store.ReadInteger("APP", ";PC", -1), -1);
    EXPECT_EQ(store.ReadInteger("APP", "LEFT", -1), -1);
}

TEST_F(SettingsFileTest, KeysBeforeTheFirstSectionBelongToNone)
{
    Put("PC=5\r\n[APP]\r\nLEFT=1\r\n");
    EXPECT_EQ(SettingsFile(Path).ReadInteger("APP", "PC", -1), -1);
}

TEST_F(SettingsFileTest, KeyOfAnotherSectionIsNotFound)
{
    Put("[APP]\r\nPC=5\r\n[WINDOWS]\r\nLEFT=1\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("WINDOWS", "PC", -1), -1);
    EXPECT_EQ(store.ReadInteger("APP", "LEFT", -1), -1);
}

TEST_F(SettingsFileTest, LinesWithoutEqualsOrClosingBracketAreNotKeysOrSections)
{
    Put("[APP]\r\nPC\r\n[BROKEN\r\nLEFT=2\r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("APP", "PC", "d"), "d");
    EXPECT_EQ(store.ReadInteger("APP", "LEFT", 0), 2);
    EXPECT_EQ(store.ReadInteger("BROKEN", "LEFT", 0), 0);
}

TEST_F(SettingsFileTest, TextAfterTheClosingBracketIsIgnored)
{
    Put("[APP] ; main settings\r\nPC=4\r\n");
    EXPECT_EQ(SettingsFile(Path).ReadInteger("APP", "PC", 0), 4);
}

TEST_F(SettingsFileTest, FirstOfRepeatedSectionsAndKeysWins)
{
    Put("[APP]\r\nPC=1\r\nPC=2\r\n[OTHER]\r\n[app]\r\nPC=3\r\nLEFT=4\r\n");
    SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 1);
    EXPECT_EQ(store.ReadInteger("APP", "LEFT", 0), 0);

    store.WriteInteger("APP", "PC", 9);
    store.WriteInteger("APP", "LEFT", 8);
    EXPECT_EQ(Contents(),
              "[APP]\r\nPC=9\r\nPC=2\r\nLEFT=8\r\n[OTHER]\r\n[app]\r\nPC=3\r\nLEFT=4\r\n");
}

// ---- line ends and encoding ----

TEST_F(SettingsFileTest, LineFeedOnlyFilesAreReadAndKeepTheirStyle)
{
    Put("[APP]\nPC=3\n");
    SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 3);
    store.WriteInteger("APP", "LEFT", 5);
    store.WriteString("EDIT", "COL", "8");
    EXPECT_EQ(Contents(), "[APP]\nPC=3\nLEFT=5\n\n[EDIT]\nCOL=8\n");
}

TEST_F(SettingsFileTest, CarriageReturnIsNotPartOfTheValue)
{
    Put("[EDIT]\r\nCOL=8\r\nTAB=  'x'  \r\n");
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("EDIT", "COL", ""), "8");
    EXPECT_EQ(store.ReadString("EDIT", "TAB", ""), "x");
}

TEST_F(SettingsFileTest, MixedLineEndsAreKeptLineByLine)
{
    Put("[A]\nX=1\r\nY=2\n[B]\r\nZ=3");
    SettingsFile store(Path);
    store.WriteInteger("A", "Y", 5);
    store.WriteInteger("B", "W", 6);
    EXPECT_EQ(Contents(), "[A]\nX=1\r\nY=5\n[B]\r\nZ=3\nW=6\n");
}

TEST_F(SettingsFileTest, LastLineWithoutLineEndGetsOneBeforeAddedLines)
{
    Put("[APP]\r\nPC=3");
    SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 3);
    store.WriteInteger("WINDOWS", "LEFT", 1);
    EXPECT_EQ(Contents(), "[APP]\r\nPC=3\r\n\r\n[WINDOWS]\r\nLEFT=1\r\n");
}

TEST_F(SettingsFileTest, UpdatingTheLastLineKeepsItsMissingLineEnd)
{
    Put("[APP]\r\nPC=3");
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 12);
    EXPECT_EQ(Contents(), "[APP]\r\nPC=12");
}

TEST_F(SettingsFileTest, Utf8TextPassesThroughUnchanged)
{
    const std::string text = "Configura\xC3\xA7\xC3\xA3o \xE2\x82\xAC \xF0\x9F\x98\x80";
    Put("; coment\xC3\xA1rio\r\n");
    SettingsFile store(Path);
    store.WriteString("EDIT", "EDT_DEST_NAME", text);
    EXPECT_EQ(Contents(), "; coment\xC3\xA1rio\r\n\r\n[EDIT]\r\nEDT_DEST_NAME=" + text + "\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_DEST_NAME", ""), text);
}

TEST_F(SettingsFileTest, ByteOrderMarkAtTheStartIsSkippedAndKept)
{
    Put("\xEF\xBB\xBF[APP]\r\nPC=3\r\n");
    SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 3);
    store.WriteInteger("APP", "PC", 4);
    EXPECT_EQ(Contents(), "\xEF\xBB\xBF[APP]\r\nPC=4\r\n");
}

TEST_F(SettingsFileTest, PrintableAsciiRoundTripsUnchanged)
{
    std::string printable;
    for (char c = '!'; c <= '~'; ++c)
        printable += c;
    SettingsFile store(Path);
    store.WriteString("EDIT", "ALL", printable);
    store.WriteString("EDIT", "SPACED", "a b  c");
    EXPECT_EQ(store.ReadString("EDIT", "ALL", ""), printable);
    EXPECT_EQ(store.ReadString("EDIT", "SPACED", ""), "a b  c");
}

// ---- writes keep the rest of the file ----

TEST_F(SettingsFileTest, ForeignSectionsAndCommentsSurviveWrites)
{
    const std::string original = "; Zolvik Tools settings, edited by hand\r\n"
                                 "\r\n"
                                 "[APP]\r\n"
                                 "PC=1\r\n"
                                 "# keep this\r\n"
                                 "\r\n"
                                 "[MyTool]\r\n"
                                 "Colour = 'red'\r\n"
                                 "; nothing here is ours\r\n"
                                 "Path=C:\\x\r\n"
                                 "\r\n"
                                 "[RG]\r\n"
                                 "BYTE=0\r\n";
    Put(original);
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 4);
    store.WriteInteger("WINDOWS", "LEFT", 10);
    store.WriteBool("RG", "BYTE", true);
    store.WriteBool("RG", "WORD", false);
    store.WriteInteger("APP", "TOP_SECRET", 7);
    EXPECT_EQ(Contents(), "; Zolvik Tools settings, edited by hand\r\n"
                          "\r\n"
                          "[APP]\r\n"
                          "PC=4\r\n"
                          "TOP_SECRET=7\r\n"
                          "# keep this\r\n"
                          "\r\n"
                          "[MyTool]\r\n"
                          "Colour = 'red'\r\n"
                          "; nothing here is ours\r\n"
                          "Path=C:\\x\r\n"
                          "\r\n"
                          "[RG]\r\n"
                          "BYTE=1\r\n"
                          "WORD=0\r\n"
                          "\r\n"
                          "[WINDOWS]\r\n"
                          "LEFT=10\r\n");
    EXPECT_EQ(store.ReadString("MyTool", "Colour", ""), "red");
}

TEST_F(SettingsFileTest, UpdateInPlaceKeepsLinePositionAndLayout)
{
    Put("[EDIT]\r\nCOL=8\r\n  tab =  2\r\nEDT_T1=-20\r\n");
    SettingsFile store(Path);
    store.WriteString("EDIT", "TAB", "1");
    EXPECT_EQ(Contents(), "[EDIT]\r\nCOL=8\r\n  tab =  1\r\nEDT_T1=-20\r\n");
    store.WriteString("EDIT", "TAB", "");
    EXPECT_EQ(Contents(), "[EDIT]\r\nCOL=8\r\n  tab =  \r\nEDT_T1=-20\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "TAB", "d"), "");
}

TEST_F(SettingsFileTest, MissingKeyGoesAfterTheLastKeyOfItsSection)
{
    Put("[APP]\r\nPC=1\r\n; about windows\r\n\r\n[WINDOWS]\r\n\r\n; positions\r\n[EDIT]\r\n");
    SettingsFile store(Path);
    store.WriteInteger("APP", "LEFT", 2);
    store.WriteInteger("WINDOWS", "TOP", 3);
    store.WriteString("EDIT", "COL", "8");
    EXPECT_EQ(Contents(), "[APP]\r\nPC=1\r\nLEFT=2\r\n; about windows\r\n\r\n"
                          "[WINDOWS]\r\nTOP=3\r\n\r\n; positions\r\n"
                          "[EDIT]\r\nCOL=8\r\n");
}

TEST_F(SettingsFileTest, MissingSectionIsAppendedAfterOneBlankLine)
{
    Put("[APP]\r\nPC=1\r\n\r\n");
    SettingsFile store(Path);
    store.WriteInteger("RG", "C", 1);
    EXPECT_EQ(Contents(), "[APP]\r\nPC=1\r\n\r\n[RG]\r\nC=1\r\n");
}

TEST_F(SettingsFileTest, NamesOfNewLinesAreWrittenWithoutSurroundingBlanks)
{
    SettingsFile store(Path);
    store.WriteString(" EDIT ", "\tCOL ", "8");
    EXPECT_EQ(Contents(), "[EDIT]\r\nCOL=8\r\n");
}

TEST_F(SettingsFileTest, LineBreaksInAValueAreStoredAsBlanks)
{
    Put("[EDIT]\r\nCOL=8\r\n");
    SettingsFile store(Path);
    store.WriteString("EDIT", "EDT_DEST_NAME", "a\r\n[APP]\nPC=9");
    EXPECT_EQ(Contents(), "[EDIT]\r\nCOL=8\r\nEDT_DEST_NAME=a  [APP] PC=9\r\n");
    EXPECT_EQ(store.ReadString("EDIT", "EDT_DEST_NAME", ""), "a  [APP] PC=9");
    EXPECT_EQ(store.ReadInteger("APP", "PC", -1), -1);
}

TEST_F(SettingsFileTest, NamesThatCannotBeStoredAreRejected)
{
    Put("[APP]\r\nPC=1\r\n");
    SettingsFile store(Path);
    EXPECT_THROW(store.WriteString("", "K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("  ", "K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("A]B", "K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("A\nB", "K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("APP", "", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("APP", "A=B", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("APP", "A\rB", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("APP", "[K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteString("APP", ";K", "v"), std::invalid_argument);
    EXPECT_THROW(store.WriteInteger("APP", "#K", 1), std::invalid_argument);
    EXPECT_EQ(Contents(), "[APP]\r\nPC=1\r\n");
}

// ---- safe replacement ----

TEST_F(SettingsFileTest, WriteLeavesNoTemporaryFileBehind)
{
    Put("[APP]\r\nPC=1\r\n");
    SettingsFile store(Path);
    for (int i = 0; i < 5; ++i)
        store.WriteInteger("APP", "PC", i);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

TEST_F(SettingsFileTest, WriteKeepsTheFilePermissions)
{
    Put("[APP]\r\nPC=1\r\n");
    fs::permissions(Path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    SettingsFile(Path).WriteInteger("APP", "PC", 2);
    EXPECT_EQ(fs::status(Path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsFileTest, NewFileGetsTheUsualPermissions)
{
    const mode_t previous = ::umask(027);
    SettingsFile(Path).WriteInteger("APP", "PC", 2);
    ::umask(previous);
    EXPECT_EQ(fs::status(Path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsFileTest, SymbolicLinkIsWrittenThrough)
{
    const std::string real = (Folder / "real.ini").string();
    PutAt(real, "[APP]\r\nPC=1\r\n");
    fs::create_symlink("real.ini", Path);
    SettingsFile store(Path);
    store.WriteInteger("APP", "PC", 6);
    EXPECT_TRUE(fs::is_symlink(Path));
    EXPECT_EQ(Contents(), "[APP]\r\nPC=6\r\n");
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 6);
    EXPECT_EQ(FolderEntries(), (std::set<std::string>{"real.ini", "zolviktools.ini"}));
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileFailsTheWrite)
{
    fs::create_directory(Path);
    SettingsFile store(Path);
    ExpectWriteError(Path, [&] { store.WriteInteger("APP", "PC", 1); });
    ExpectWriteError(Path, [&] { store.WriteString("APP", "X", "y"); });
    ExpectWriteError(Path, [&] { store.WriteBool("RG", "C", true); });
    EXPECT_TRUE(fs::is_directory(Path));
    EXPECT_TRUE(fs::is_empty(Path));
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

TEST_F(SettingsFileTest, MissingFolderFailsTheWrite)
{
    const std::string path = (Folder / "gone" / "zolviktools.ini").string();
    SettingsFile store(path);
    ExpectWriteError(path, [&] { store.WriteInteger("APP", "PC", 1); });
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(SettingsFileTest, DanglingSymbolicLinkFailsTheWrite)
{
    fs::create_symlink("nowhere/real.ini", Path);
    SettingsFile store(Path);
    ExpectWriteError(Path, [&] { store.WriteInteger("APP", "PC", 1); });
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
    EXPECT_TRUE(fs::is_symlink(Path));
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotReplaced)
{
    const std::string original = "[APP]\r\nPC=1\r\n";
    Put(original);
    fs::permissions(Path, fs::perms::owner_read);
    SettingsFile store(Path);
    ExpectWriteError(Path, [&] { store.WriteInteger("APP", "PC", 2); });
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

TEST_F(SettingsFileTest, ReadOnlyFolderFailsTheWrite)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "permission bits do not bind root";
    const std::string original = "[APP]\r\nPC=1\r\n";
    Put(original);
    fs::permissions(Folder, fs::perms::owner_read | fs::perms::owner_exec);
    SettingsFile store(Path);
    ExpectWriteError(Path, [&] { store.WriteInteger("APP", "PC", 2); });
    fs::permissions(Folder, fs::perms::owner_all);
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

TEST_F(SettingsFileTest, UnreadableFileIsNotReplacedByOneKey)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "permission bits do not bind root";
    const std::string original = "[APP]\r\nPC=1\r\n[MINE]\r\nA=1\r\n";
    Put(original);
    fs::permissions(Path, fs::perms::owner_write);
    SettingsFile store(Path);
    ExpectWriteError(Path, [&] { store.WriteInteger("APP", "PC", 2); });
    fs::permissions(Path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

// A file size limit makes the write of the new content fail part way, as a full disk would.
TEST_F(SettingsFileTest, FailedWriteOfTheNewContentKeepsTheOldFile)
{
    const std::string original = "[APP]\r\nPC=1\r\n; " + std::string(100, '-') + "\r\n";
    Put(original);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    SettingsFile store(Path);
    ExpectWriteError(Path,
                     [&] { store.WriteString("EDIT", "EDT_DEST_DIR", std::string(500, 'd')); });

    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
    // The store stays usable afterwards.
    store.WriteInteger("APP", "PC", 2);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 2);
}

TEST_F(SettingsFileTest, FifoOrOversizedFileGivesDefaultsAndIsNeverReplaced)
{
    ASSERT_EQ(::mkfifo(Path.c_str(), 0666), 0);  // no writer: a blocking read would never end
    SettingsFile fifo(Path);
    EXPECT_EQ(fifo.ReadInteger("APP", "PC", 3), 3);
    ExpectWriteError(Path, [&] { fifo.WriteInteger("APP", "PC", 1); });
    fs::remove(Path);

    const std::string oversized = "[APP]\r\nPC=5\r\n" + std::string(16 * 1024 * 1024, ';');
    Put(oversized);
    SettingsFile store(Path);
    EXPECT_EQ(store.ReadInteger("APP", "PC", 0), 0);
    ExpectWriteError(Path, [&] { store.WriteValues({{"APP", "PC", "1"}, {"RG", "C", "0"}}); });
    EXPECT_EQ(fs::file_size(Path), oversized.size());
}

TEST_F(SettingsFileTest, SeveralValuesInOneRewriteGiveTheBytesOfSingleWrites)
{
    Put("; mine\r\n[RG]\r\nC=1\r\n");
    SettingsFile store(Path);
    store.WriteValues({{"APP", "PC", "2"}, {"RG", "C", "0"}, {"APP", "PC", "3"}});
    const std::string batched = Contents();
    Put("; mine\r\n[RG]\r\nC=1\r\n");
    store.WriteInteger("APP", "PC", 2);
    store.WriteBool("RG", "C", false);
    store.WriteInteger("APP", "PC", 3);
    EXPECT_EQ(batched, Contents());
}

TEST_F(SettingsFileTest, ReadsNeverChangeTheFile)
{
    const std::string original = "[APP]\r\npc = ' 3 '\r\n";
    Put(original);
    const SettingsFile store(Path);
    EXPECT_EQ(store.ReadString("APP", "PC", ""), " 3 ");
    EXPECT_EQ(store.ReadInteger("NEW", "KEY", 0), 0);
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"zolviktools.ini"});
}

}  // namespace
}  // namespace zolvik

namespace zolvik {
namespace {

TEST(SettingsLocationTest, BesideTheExecutableOrInTheUsersConfigurationFolder)
{
    struct Case {
        bool writable;
        const char *configHome;
        const char *expected;
    };
    const Case cases[] = {
        {true, "/cfg", "/opt/zt"},
        {false, "/cfg", "/cfg/ZolvikTools"},
        {false, "", "/home/u/.config/ZolvikTools"},
        {false, "relative/cfg", "/home/u/.config/ZolvikTools"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SettingsFolderFor("/opt/zt", c.writable, c.configHome, "/home/u"), c.expected)
            << c.configHome;
}

}  // namespace
}  // namespace zolvik
