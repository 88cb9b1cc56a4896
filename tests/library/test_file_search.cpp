#include "library/file_search.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

class FileSearch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        WriteBytes(m_folder / "Settings.ini", "[Settings]\r\n");
        WriteBytes(m_folder / ".hidden.ini", "[Settings]\r\n");
        std::filesystem::create_directory(m_folder / "folder-3");
        ASSERT_EQ(::mkfifo((m_folder / "pipe-2").c_str(), 0600), 0);
    }
    TemporaryFolder m_folder;
};

TEST_F(FileSearch, FileExistsFindsHiddenFilesButNoFoldersOrPipes) {
    EXPECT_TRUE(FileExists(m_folder / "Settings.ini"));
    EXPECT_TRUE(FileExists(m_folder / ".hidden.ini"));
    EXPECT_FALSE(FileExists(m_folder / "folder-3"));
    EXPECT_FALSE(FileExists(m_folder / "pipe-2"));
    EXPECT_FALSE(FileExists(m_folder / "missing"));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FileSearch, NormalSearchTreatsDotFilesAsMissing) {
    EXPECT_TRUE(NormalFileExists(m_folder / "Settings.ini"));
    EXPECT_FALSE(NormalFileExists(m_folder / ".hidden.ini"));
    EXPECT_FALSE(ReadNormalFile(m_folder / ".hidden.ini").has_value());
    EXPECT_EQ(ReadWholeFile(m_folder / ".hidden.ini"), "[Settings]\r\n");
}

TEST_F(FileSearch, ListingHoldsOnlyNormalFiles) {
    std::vector<std::string> names = ListNormalFiles(m_folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, std::vector<std::string>{"Settings.ini"});
    EXPECT_TRUE(ListNormalFiles(m_folder / "missing").empty());
}

TEST_F(FileSearch, PipeIsNeverOpenedForReading) {
    // Reading a pipe would block the window for good.
    EXPECT_FALSE(ReadNormalFile(m_folder / "pipe-2").has_value());
    EXPECT_FALSE(ReadWholeFile(m_folder / "pipe-2").has_value());
}

TEST_F(FileSearch, ReadReturnsEveryByte) {
    std::string bytes(200000, 'x');
    bytes[123456] = '\0';
    WriteBytes(m_folder / "big", bytes);
    EXPECT_EQ(ReadNormalFile(m_folder / "big"), bytes);
}

} // namespace
} // namespace vellumo
