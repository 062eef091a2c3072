#include "tools/rom_table.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "common/errors.h"

namespace zolvik {
namespace {

namespace fs = std::filesystem;

// A fresh folder that anyone may write into, removed afterwards.
class RomTableFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("rom_table_test_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::all);
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::all);
        fs::remove_all(folder);
    }

    std::string PathOf(const std::string &name) const { return (folder / name).string(); }

    static void WriteFile(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string ReadFile(const std::string &path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string ErrorOf(const std::string &input, const RomTableLayout &layout)
    {
        try {
            WriteRomTableFile(input, layout);
        } catch (const Error &error) {
            return error.what();
        }
        return "no error";
    }

    fs::path folder;
    const RomTableLayout firstRun{1, RomFormat::C, 8, 1};
};

// Drops root's privileges while alive, so that file permissions apply to the test.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : FWasRoot(::geteuid() == 0)
    {
        if (FWasRoot) {
            EXPECT_EQ(::seteuid(65534), 0);
        }
    }
    ~AsOrdinaryUser()
    {
        if (FWasRoot) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool FWasRoot;
};

TEST_F(RomTableFileTest, WritesTheTableBesideTheInput)
{
    const std::string input = PathOf("image.bin");
    WriteFile(input, std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(WriteRomTableFile(input, {1, RomFormat::Vhdl, 2, 1}), PathOf("image.txt"));
    EXPECT_EQ(ReadFile(PathOf("image.txt")),
              "type tRom_Array is array(0 to 4) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"01\", x\"02\", \r\n"
              "\tx\"03\", x\"04\", \r\n"
              "\tx\"05\" \r\n"
              ");\r\n");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"image.bin", "image.txt"}));
}

TEST_F(RomTableFileTest, ReplacesAnExistingOutput)
{
    const std::string input = PathOf("image");
    WriteFile(input, "AB");
    WriteFile(PathOf("image.txt"), std::string(100000, 'x'));
    WriteRomTableFile(input, firstRun);
    EXPECT_EQ(ReadFile(PathOf("image.txt")),
              "const unsigned char data[] = {\r\n\t0x41, 0x42 \r\n};\r\n");
}

TEST_F(RomTableFileTest, FilesOfManySizesMatchTheTableInMemory)
{
    std::mt19937 random(7);
    const std::string input = PathOf("random.dat");
    for (std::size_t size : {0u, 1u, 3u, 262144u, 262147u, 1048579u}) {
        std::string bytes(size, '\0');
        for (char &byte : bytes)
            byte = static_cast<char>(random());
        WriteFile(input, bytes);
        for (int elementBytes : {1, 2, 4}) {
            for (RomFormat format : {RomFormat::C, RomFormat::Vhdl}) {
                const RomTableLayout layout{elementBytes, format, 16, 2};
                WriteRomTableFile(input, layout);
                ASSERT_EQ(ReadFile(PathOf("random.txt")), RomTableText(bytes, layout))
                    << size << " bytes, element " << elementBytes;
            }
        }
    }
}

TEST_F(RomTableFileTest, ReadOnlyInputConverts)
{
    const std::string input = PathOf("locked.bin");
    WriteFile(input, "\xff");
    fs::permissions(input, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(WriteRomTableFile(input, firstRun), PathOf("locked.txt"));
    }
    EXPECT_EQ(ReadFile(PathOf("locked.txt")),
              "const unsigned char data[] = {\r\n\t0xFF \r\n};\r\n");
}

TEST_F(RomTableFileTest, InputNamedTxtIsRefusedAndKept)
{
    const std::string input = PathOf("table.txt");
    WriteFile(input, "keep me");
    EXPECT_EQ(ErrorOf(input, firstRun), "The table would overwrite its own input file " + input);
    EXPECT_EQ(ReadFile(input), "keep me");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"table.txt"});
}

TEST_F(RomTableFileTest, OutputThatIsTheInputThroughAnotherPathIsRefused)
{
    const std::string input = PathOf("data.bin");
    WriteFile(input, "keep me");
    fs::create_symlink(input, PathOf("data.txt"));
    EXPECT_EQ(ErrorOf(input, firstRun),
              "The table would overwrite its own input file " + PathOf("data.txt"));
    EXPECT_EQ(ReadFile(input), "keep me");

    fs::remove(PathOf("data.txt"));
    fs::create_hard_link(input, PathOf("data.txt"));
    EXPECT_NE(ErrorOf(input, firstRun), "no error");
    EXPECT_EQ(ReadFile(input), "keep me");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"data.bin", "data.txt"}));

    // The same folder reached through a detour is still the same file.
    const std::string detour = (folder / ".." / folder.filename() / "table.txt").string();
    WriteFile(PathOf("table.txt"), "keep me too");
    EXPECT_NE(ErrorOf(detour, firstRun), "no error");
    EXPECT_EQ(ReadFile(PathOf("table.txt")), "keep me too");
}

TEST_F(RomTableFileTest, MissingInputIsNotFound)
{
    EXPECT_EQ(ErrorOf(PathOf("absent.bin"), firstRun), "The specified file was not found");
    EXPECT_TRUE(FolderEntries().empty());
    EXPECT_EQ(ErrorOf(PathOf("absent/inner.bin"), firstRun), "The specified file was not found");
    WriteFile(PathOf("plain"), "x");
    EXPECT_EQ(ErrorOf(PathOf("plain/inner.bin"), firstRun), "Invalid file name - %s");
}

TEST_F(RomTableFileTest, UnwritableFolderLeavesNothingBehind)
{
    const std::string input = PathOf("image.bin");
    WriteFile(input, "abc");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(ErrorOf(input, firstRun), "File access denied");
    }
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"image.bin"});
}

TEST_F(RomTableFileTest, OutputCutShortIsRemovedAndTheOldOneKept)
{
    const std::string input = PathOf("big.bin");
    WriteFile(input, std::string(200000, '\x11'));
    WriteFile(PathOf("big.txt"), "previous table");

    // The process may write no file beyond 64 KiB: the write fails as on a full disk.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string error = ErrorOf(input, firstRun);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "Disk full");
    EXPECT_EQ(ReadFile(PathOf("big.txt")), "previous table");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"big.bin", "big.txt"}));
}

// The file layer's refusals, with the table's own message where it has one.
TEST_F(RomTableFileTest, RefusedInputsAndOutputsAreLeftAsTheyAre)
{
    const std::string input = PathOf("image.bin");
    WriteFile(input, "AB");
    WriteFile(PathOf("image.txt"), "old table");
    fs::permissions(PathOf("image.txt"), fs::perms::owner_read);
    EXPECT_EQ(ErrorOf(input, firstRun), "File access denied");  // also as root
    EXPECT_EQ(ReadFile(PathOf("image.txt")), "old table");

    ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0666), 0);
    EXPECT_EQ(ErrorOf(PathOf("pipe"), firstRun),
              PathOf("pipe") + ": Is a FIFO (named pipe), not a regular file");
    ASSERT_EQ(::mkfifo(PathOf("other.txt").c_str(), 0666), 0);
    WriteFile(PathOf("other"), "AB");
    EXPECT_EQ(ErrorOf(PathOf("other"), firstRun),
              PathOf("other.txt") + ": Is a FIFO (named pipe), not a regular file");
    EXPECT_EQ(FolderEntries(),
              (std::vector<std::string>{"image.bin", "image.txt", "other", "other.txt", "pipe"}));
}

TEST(IoErrorMessage, MessagesByNumber)
{
    EXPECT_EQ(IoErrorMessage(2), "The specified file was not found");
    EXPECT_EQ(IoErrorMessage(3), "Invalid file name - %s");
    EXPECT_EQ(IoErrorMessage(4), "Too many open files");
    EXPECT_EQ(IoErrorMessage(5), "File access denied");
    EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorMessage(101), "Disk full");
    EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
    EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
    EXPECT_EQ(IoErrorMessage(1117), "I/O error 1117");
}

TEST(IoErrorMessage, ErrnoValuesMapToTheirNumbers)
{
    EXPECT_EQ(IoErrorNumberFromErrno(ENOENT), 2);
    EXPECT_EQ(IoErrorNumberFromErrno(ENOTDIR), 3);
    EXPECT_EQ(IoErrorNumberFromErrno(EMFILE), 4);
    EXPECT_EQ(IoErrorNumberFromErrno(EACCES), 5);
    EXPECT_EQ(IoErrorNumberFromErrno(EROFS), 5);
    EXPECT_EQ(IoErrorNumberFromErrno(ENOSPC), 101);
    EXPECT_EQ(IoErrorNumberFromErrno(EFBIG), 101);
    // EIO must not read as "File access denied".
    EXPECT_EQ(IoErrorMessage(IoErrorNumberFromErrno(EIO)), "I/O error 1117");
}

}  // namespace
}  // namespace zolvik
