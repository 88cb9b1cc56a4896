#include "library/settings.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        m_paths.appFolder = m_folder / "Vellumo";
        m_paths.executablePath = "/opt/Apps/vellumo";
        std::filesystem::create_directory(m_paths.appFolder);
    }
    TemporaryFolder m_folder;
    AppPaths m_paths;
};

TEST_F(Settings, MissingFileGivesTheDefaultsAndIsNotCreated) {
    EXPECT_EQ(LoadSettings(m_paths), AppSettings{});
    EXPECT_EQ(AppSettings{}.path, "C:\\");
    EXPECT_FALSE(std::filesystem::exists(m_paths.settingsFile()));
}

TEST_F(Settings, MissingKeysGiveTheirDefaults) {
    WriteBytes(m_paths.settingsFile(), "[Settings]\r\nSaved=1\r\n");
    const AppSettings settings = LoadSettings(m_paths);
    EXPECT_TRUE(settings.saved);
    EXPECT_EQ(settings.pathSave, "0");
    EXPECT_EQ(settings.path, "C:\\");
}

TEST_F(Settings, TickingWritesAllThreeKeys) {
    AppSettings settings;
    settings.saved = true;
    ASSERT_TRUE(SaveSettings(m_paths, settings));
    EXPECT_EQ(ReadBytes(m_paths.settingsFile()),
              "[Settings]\r\nSaved=1\r\nPathSave=0\r\nPath=/opt/Apps/vellumo\r\n");
    settings.saved = false;
    settings.pathSave = "1";
    ASSERT_TRUE(SaveSettings(m_paths, settings));
    EXPECT_EQ(ReadBytes(m_paths.settingsFile()),
              "[Settings]\r\nSaved=0\r\nPathSave=1\r\nPath=/opt/Apps/vellumo\r\n");
}

TEST_F(Settings, SavedSettingsLoadBack) {
    const AppSettings saved{true, "1", "ignored: Path comes from the executable"};
    ASSERT_TRUE(SaveSettings(m_paths, saved));
    EXPECT_EQ(LoadSettings(m_paths), (AppSettings{true, "1", "/opt/Apps/vellumo"}));
}

TEST_F(Settings, LoadingLeavesTheFileAsItWas) {
    const std::string bytes = "[Settings]\nSaved=1\n; by hand\n";
    WriteBytes(m_paths.settingsFile(), bytes);
    EXPECT_TRUE(LoadSettings(m_paths).saved);
    EXPECT_EQ(ReadBytes(m_paths.settingsFile()), bytes);
}

TEST_F(Settings, SavingKeepsOtherLinesOfTheFile) {
    WriteBytes(m_paths.settingsFile(), "; notes\r\n[Settings]\r\nPath=C:\\Apps\\app.exe\r\nZoom=2\r\n");
    ASSERT_TRUE(SaveSettings(m_paths, AppSettings{}));
    EXPECT_EQ(ReadBytes(m_paths.settingsFile()),
              "; notes\r\n[Settings]\r\nPath=/opt/Apps/vellumo\r\nZoom=2\r\nSaved=0\r\nPathSave=0\r\n");
}

TEST_F(Settings, SavingCreatesTheDataFolder) {
    m_paths.appFolder = m_folder / "new/Vellumo";
    ASSERT_TRUE(SaveSettings(m_paths, AppSettings{}));
    EXPECT_EQ(LoadSettings(m_paths).pathSave, "0");
}

TEST_F(Settings, UnwritableFolderIsReportedNotSwallowed) {
    WriteBytes(m_folder / "blocker", "a file where the folder should be");
    m_paths.appFolder = m_folder / "blocker";
    EXPECT_FALSE(SaveSettings(m_paths, AppSettings{}));
}

class SavedKey : public ::testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(SavedKey, TicksOnlyForTheNumberOne) {
    TemporaryFolder folder;
    AppPaths paths;
    paths.appFolder = folder.path();
    WriteBytes(paths.settingsFile(), std::string("[Settings]\r\nSaved=") + GetParam().first + "\r\n");
    EXPECT_EQ(LoadSettings(paths).saved, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, SavedKey,
                         ::testing::Values(std::pair{"1", true}, std::pair{"0", false}, std::pair{"", false},
                                           std::pair{"yes", false}, std::pair{"\"1\"", true},
                                           std::pair{"2", false}, std::pair{"1x", false},
                                           std::pair{"-1", false}));

} // namespace
} // namespace vellumo
