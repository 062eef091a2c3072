// The file layer's rules, for both kinds of temporary file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/file_error.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"
#include "tests/support/as_other_user.h"
#include "tests/support/scratch_folder.h"

namespace zolvik::fileio {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

mode_t ModeOf(const std::string &path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

FileError ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const FileError &error) {
        return error;
    }
    return FileError(FileFault::System, "", 0, "no error");
}

class OutputFileTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { testing::UseNamedTemporaries(GetParam()); }
    void TearDown() override { testing::UseNamedTemporaries(false); }
    ScratchFolder folder{"file layer"};
};

INSTANTIATE_TEST_SUITE_P(Temporaries, OutputFileTest, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Named" : "Unnamed"; });

TEST_P(OutputFileTest, NewAndReplacedFilesAppearWholeWithNothingBeside)
{
    const std::string path = folder.File("out.txt");
    WriteWholeFile(path, "first");
    ::chmod(path.c_str(), 0640);
    std::string big(3 * 1024 * 1024 + 7, 'x');
    WriteWholeFile(path, big);
    EXPECT_EQ(ScratchFolder::Read(path), big);
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

TEST_P(OutputFileTest, ALongestLegalNameWorks)
{
    const std::string name(251, 'n');
    WriteWholeFile(folder.File(name), "x");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{name});
}

TEST_P(OutputFileTest, UncommittedOrFailedWritesKeepTheOldFile)
{
    const std::string path = folder.Write("keep.bin", "old");
    {
        OutputFile abandoned(path);
        abandoned.Write("new");
    }
    // A write that fails part-way, by a file-size limit in a child process.
    ::chmod(folder.Path().c_str(), 0777);
    ::chmod(path.c_str(), 0666);
    const bool failed = test::RunAsNobody([&] {
        struct rlimit limit {
            4096, 4096
        };
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const FileError error = ErrorOf([&] { WriteWholeFile(path, std::string(100000, 'y')); });
        return error.Code() == EFBIG && error.Path() == path;
    });
    EXPECT_TRUE(failed);
    EXPECT_EQ(ScratchFolder::Read(path), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"keep.bin"});
}

TEST_P(OutputFileTest, RefusedTargetsAreLeftAsTheyAre)
{
    const std::string readOnly = folder.Write("ro.txt", "old");
    ::chmod(readOnly.c_str(), 0444);
    ::mkfifo(folder.File("fifo").c_str(), 0666);
    fs::create_directory(folder.File("dir"));
    struct Case {
        std::string path;
        FileFault fault;
        int code;
    };
    const Case cases[] = {
        {readOnly, FileFault::System, EACCES},
        {folder.File("fifo"), FileFault::NotRegular, EINVAL},
        {folder.File("dir"), FileFault::NotRegular, EISDIR},
        {"/dev/null", FileFault::NotRegular, EINVAL},
        {folder.File("missing/x"), FileFault::System, ENOENT},
    };
    for (const Case &c : cases) {
        const FileError error = ErrorOf([&] { WriteWholeFile(c.path, "new"); });
        EXPECT_EQ(error.Fault(), c.fault) << c.path;
        EXPECT_EQ(error.Code(), c.code) << c.path;
        EXPECT_EQ(std::string(error.what()).rfind(c.path + ": ", 0), 0u) << error.what();
    }
    EXPECT_EQ(ScratchFolder::Read(readOnly), "old");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"dir", "fifo", "ro.txt"}));
    // The same for an ordinary user.
    ::chmod(folder.Path().c_str(), 0777);
    EXPECT_TRUE(test::RunAsNobody(
        [&] { return ErrorOf([&] { WriteWholeFile(readOnly, "new"); }).Code() == EACCES; }));
}

TEST_P(OutputFileTest, OwnLinksAreKeptAndTheirTargetWritten)
{
    const std::string target = folder.Write("real.txt", "old");
    fs::create_symlink("real.txt", folder.File("link1"));
    fs::create_symlink(folder.File("link1"), folder.File("link2"));
    WriteWholeFile(folder.File("link2"), "new");
    EXPECT_TRUE(fs::is_symlink(folder.File("link2")));
    EXPECT_EQ(ScratchFolder::Read(target), "new");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link1", "link2", "real.txt"}));
}

TEST_P(OutputFileTest, ALinkPlantedByAnotherUserInASharedFolderIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting another user's link needs root";
    ::chmod(folder.Path().c_str(), 01777);
    const std::string victim = folder.Write("victim", "keep");
    const std::string link = folder.File("planted");
    fs::create_symlink(victim, link);
    ASSERT_EQ(::lchown(link.c_str(), test::kNobody, test::kNobody), 0);
    const FileError error = ErrorOf([&] { WriteWholeFile(link, "evil"); });
    EXPECT_EQ(error.Fault(), FileFault::UnsafeLink);
    EXPECT_EQ(error.Path(), link);
    EXPECT_EQ(ScratchFolder::Read(victim), "keep");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"planted", "victim"}));
    // Not world-writable: the same link is followed.
    ::chmod(folder.Path().c_str(), 0755);
    WriteWholeFile(link, "fine");
    EXPECT_EQ(ScratchFolder::Read(victim), "fine");
}

TEST(OutputFileSignals, AnInterruptedWriteLeavesNoNamedTemporary)
{
    ScratchFolder folder{"file layer"};
    const pid_t child = ::fork();
    if (child == 0) {
        testing::UseNamedTemporaries(true);
        RemoveTemporariesOnSignals();
        OutputFile file(folder.File("out.bin"));
        file.Write(std::string(1000, 'z'));
        ::raise(SIGTERM);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(InputFileTest, OnlyRegularFilesAreReadAndNeverBlock)
{
    ScratchFolder folder{"file layer"};
    ::mkfifo(folder.File("fifo").c_str(), 0666);
    for (const std::string &path :
         {folder.File("fifo"), folder.Path().string(), std::string("/dev/zero")})
        EXPECT_EQ(ErrorOf([&] { InputFile::Open(path); }).Fault(), FileFault::NotRegular) << path;
    EXPECT_EQ(ErrorOf([&] { InputFile::Open(folder.File("none")); }).Code(), ENOENT);

    const std::string file = folder.Write("data", "0123456789");
    EXPECT_EQ(ReadWholeFile(file, 10), "0123456789");
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(file, 9); }).Fault(), FileFault::TooLarge);
    InputFile input = InputFile::Open(file);
    char buffer[16];
    EXPECT_EQ(input.ReadFull(buffer, 4), 4u);
    EXPECT_EQ(input.ReadFull(buffer, 16), 6u);
    EXPECT_EQ(input.Size(), 10u);
}

TEST(FolderTest, WritableFoldersAndSameFiles)
{
    ScratchFolder folder{"file layer"};
    const std::string a = folder.Write("a", "x");
    fs::create_symlink(a, folder.File("b"));
    EXPECT_TRUE(SameFile(a, folder.File("b")));
    EXPECT_FALSE(SameFile(a, folder.File("c")));
    EXPECT_TRUE(FolderIsWritable(folder.Path()));
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_FALSE(FolderIsWritable(folder.Path()));
}

}  // namespace
}  // namespace zolvik::fileio
