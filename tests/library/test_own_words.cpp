#include "library/own_words.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

AppPaths pathsIn(const std::string& folder) {
    AppPaths paths;
    paths.appFolder = folder;
    return paths;
}

TEST(OwnWords, NoFileYetIsNoWords) {
    TemporaryFolder folder;
    const Result<std::vector<std::string>> words = LoadOwnWords(pathsIn(folder.path()));
    ASSERT_TRUE(words) << words.message();
    EXPECT_TRUE(words->empty());
}

TEST(OwnWords, AFileWrittenOnWindowsReadsAndBrokenLinesAreLeftOut) {
    TemporaryFolder folder;
    const AppPaths paths = pathsIn(folder.path());
    WriteBytes(paths.ownWordsFile(), "\xEF\xBB\xBFVellumo\r\n  Limoges \r\n\r\nbad\xE9word\r\nCaf\xC3\xA9");
    const Result<std::vector<std::string>> words = LoadOwnWords(paths);
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (std::vector<std::string>{"Vellumo", "Limoges", "Caf\xC3\xA9"}));
}

TEST(OwnWords, AddedWordsAreKeptOnceInUtf8) {
    TemporaryFolder folder;
    const AppPaths paths = pathsIn(folder / "data");
    ASSERT_TRUE(AddOwnWord(paths, "Vellumo"));
    ASSERT_TRUE(AddOwnWord(paths, "Caf\xC3\xA9"));
    ASSERT_TRUE(AddOwnWord(paths, "Vellumo"));
    EXPECT_EQ(ReadBytes(paths.ownWordsFile()), "Vellumo\nCaf\xC3\xA9\n");
    EXPECT_EQ(AddOwnWord(paths, "two\nlines").error(), std::errc::invalid_argument);
    EXPECT_EQ(AddOwnWord(paths, "bad\xE9").error(), std::errc::invalid_argument);
}

} // namespace
} // namespace vellumo
