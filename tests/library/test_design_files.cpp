#include "library/design_files.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace vellumo {
namespace {

using testing::AllNames;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Names = std::set<std::string>;

// Where a Save of "Blue teapot" with 3 photos, replacing the 2-photo design, was when the program died:
// how many of the journal's three steps had been carried out (-1: the journal was never written).
class InterruptedSave : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        m_paths.appFolder = m_folder.path();
        std::filesystem::create_directories(m_paths.templateFolder());
        write("Blue teapot-2", "old template");
        write("Blue teapot.txt", "old code");
        write(kNewTemplate, "new template");
        write(kNewCode, "new code");
    }
    void write(const std::string& name, std::string_view bytes) {
        WriteBytes(m_paths.templateFolder() + name, bytes);
    }
    std::string read(const std::string& name) const { return ReadBytes(m_paths.templateFolder() + name); }

    static constexpr const char* kNewTemplate = ".Blue teapot-3.vellumo-a1b2c3d4";
    static constexpr const char* kNewCode = ".Blue teapot.txt.vellumo-e5f6g7h8";
    TemporaryFolder m_folder;
    AppPaths m_paths;
};

TEST_P(InterruptedSave, NextStartLeavesOneWholeDesign) {
    const int stepsDone = GetParam();
    const std::string folder = m_paths.templateFolder();
    if (stepsDone >= 0) {
        write(std::string(kJournalName), std::string("move\t") + kNewTemplate + "\tBlue teapot-3\nmove\t" +
                                             kNewCode + "\tBlue teapot.txt\nremove\tBlue teapot-2\n");
    }
    if (stepsDone >= 1) {
        std::filesystem::rename(folder + kNewTemplate, folder + "Blue teapot-3");
    }
    if (stepsDone >= 2) {
        std::filesystem::rename(folder + kNewCode, folder + "Blue teapot.txt");
    }
    if (stepsDone >= 3) {
        std::filesystem::remove(folder + "Blue teapot-2");
    }

    ASSERT_TRUE(RecoverTemplateFolder(m_paths));
    if (stepsDone < 0) {
        EXPECT_EQ(AllNames(folder), (Names{"Blue teapot-2", "Blue teapot.txt"}));
        EXPECT_EQ(read("Blue teapot.txt"), "old code");
    } else {
        EXPECT_EQ(AllNames(folder), (Names{"Blue teapot-3", "Blue teapot.txt"}));
        EXPECT_EQ(read("Blue teapot-3"), "new template");
        EXPECT_EQ(read("Blue teapot.txt"), "new code");
    }
}

INSTANTIATE_TEST_SUITE_P(CrashPoints, InterruptedSave, ::testing::Values(-1, 0, 1, 2, 3));

TEST(DesignFiles, JournalNamesOutsideTheFolderAreNotFollowed) {
    TemporaryFolder folder;
    AppPaths paths;
    paths.appFolder = folder.path();
    std::filesystem::create_directories(paths.templateFolder());
    WriteBytes(paths.settingsFile(), "[Settings]\r\n");
    WriteBytes(paths.templateFolder() + std::string(kJournalName), "remove\t../Settings.ini\n");
    EXPECT_TRUE(RecoverTemplateFolder(paths));
    EXPECT_EQ(ReadBytes(paths.settingsFile()), "[Settings]\r\n");
    EXPECT_EQ(AllNames(paths.templateFolder()), Names{});
}

} // namespace
} // namespace vellumo
