#include "library/atomic_file.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {
namespace {

using testing::AllNames;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        m_previousMask = ::umask(022);
    }
    void TearDown() override { ::umask(m_previousMask); }

    TemporaryFolder m_folder;
    mode_t m_previousMask = 022;
};

TEST_F(AtomicFile, NewFileHoldsExactBytesWithNormalModeAndNothingElseIsLeft) {
    const std::string path = m_folder / "Settings.ini";
    const std::string bytes("[S]\r\nk=v\0w\r\n", 12);
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_EQ(AllNames(m_folder.path()), std::set<std::string>{"Settings.ini"});
}

TEST_F(AtomicFile, ReplacingKeepsTheModeTheSellerGaveTheFile) {
    const std::string path = m_folder / "Blue teapot-3";
    WriteBytes(path, "old content that is longer than the new");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ModeOf(path), 0600u);
}

TEST_F(AtomicFile, PlantedSymbolicLinkIsReplacedAndItsTargetLeftAlone) {
    const std::string target = m_folder / "elsewhere";
    const std::string path = m_folder / "mssetup2.htm";
    WriteBytes(target, "precious");
    ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "<html></html>"));
    EXPECT_EQ(ReadBytes(target), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    EXPECT_EQ(ReadBytes(path), "<html></html>");
}

TEST_F(AtomicFile, FolderAtTheTargetIsReportedAndNothingIsLeft) {
    // A folder standing at the target's path cannot be renamed over.
    const std::string path = m_folder / "Red vase-2";
    std::filesystem::create_directory(path);
    EXPECT_FALSE(WriteFileAtomically(path, "values"));
    EXPECT_EQ(AllNames(m_folder.path()), std::set<std::string>{"Red vase-2"});
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

// A file size limit makes write() fail part way, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(AtomicFile, WriteCutShortLeavesTheOldFileWholeAndNoTemporary) {
    const std::string path = m_folder / "Blue teapot.txt";
    WriteBytes(path, "old code");
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(WriteFileAtomically(path, std::string(100000, 'c')));
        EXPECT_FALSE(
            WriteFilesAtomically({{m_folder / "Blue teapot-3", "small"}, {path, std::string(100000, 'c')}}));
    }
    EXPECT_EQ(ReadBytes(path), "old code");
    EXPECT_EQ(AllNames(m_folder.path()), std::set<std::string>{"Blue teapot.txt"});
}

// What went wrong reaches the caller as the system says it, so a message can name the cause.
TEST_F(AtomicFile, FailureCarriesTheSystemsReason) {
    std::filesystem::create_directory(m_folder / "folder");
    EXPECT_EQ(WriteFileAtomically(m_folder / "no such folder/file", "x").error(),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(WriteFileAtomically(m_folder / "folder", "x").error(), std::errc::is_a_directory);
    FileSizeLimit limit(4096);
    EXPECT_EQ(WriteFileAtomically(m_folder / "big", std::string(100000, 'c')).error(),
              std::errc::file_too_large);
}

TEST_F(AtomicFile, MissingFolderReportsFailure) {
    EXPECT_FALSE(WriteFileAtomically(m_folder / "no such folder/file", "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
}

TEST_F(AtomicFile, GroupWithOneUnwritableFileLeavesEveryOldFileAsItWas) {
    const std::string first = m_folder / "Blue teapot-3";
    const std::string blocked = m_folder / "Blue teapot.txt";
    WriteBytes(first, "old template");
    std::filesystem::create_directory(blocked);
    EXPECT_FALSE(WriteFilesAtomically({{first, "new template"}, {blocked, "new code"}}));
    EXPECT_EQ(ReadBytes(first), "old template");
    EXPECT_EQ(AllNames(m_folder.path()), (std::set<std::string>{"Blue teapot-3", "Blue teapot.txt"}));
}

TEST_F(AtomicFile, GroupWritesEveryFile) {
    ASSERT_TRUE(WriteFilesAtomically({{m_folder / "a-2", "template"}, {m_folder / "a.txt", "code"}}));
    EXPECT_EQ(ReadBytes(m_folder / "a-2"), "template");
    EXPECT_EQ(ReadBytes(m_folder / "a.txt"), "code");
    EXPECT_EQ(AllNames(m_folder.path()).size(), 2u);
}

TEST_F(AtomicFile, VeryLongNameStillGetsAWorkableTemporaryName) {
    const std::string name(250, 'n');
    ASSERT_TRUE(WriteFileAtomically(m_folder / name, "long"));
    EXPECT_EQ(ReadBytes(m_folder / name), "long");
}

} // namespace
} // namespace vellumo
