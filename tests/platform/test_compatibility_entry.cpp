#include "platform/compatibility_entry.h"

#include "../library/temporary_folder.h"
#include "key_store_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::ReadRegistryString;
using testing::RegistryKeyExists;
using testing::TemporaryFolder;
using testing::WriteBytes;

class CompatibilityEntry : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        m_paths.appFolder = m_folder / "data";
        m_paths.executablePath = "/opt/Apps/vellumo";
        m_paths.keyStoreFile = m_folder / "config/Registry.ini";
    }
    TellIncorrectFormat recorder() {
        return [this](const std::string& text) { m_messages.push_back(text); };
    }
    TemporaryFolder m_folder;
    AppPaths m_paths;
    std::vector<std::string> m_messages;
};

TEST_F(CompatibilityEntry, FirstStartWritesTheEntryAndRecordsIt) {
    AppSettings settings = LoadSettings(m_paths);
    ASSERT_EQ(settings.pathSave, "0");
    const CompatibilityResult result = WriteCompatibilityEntry(m_paths, settings, recorder());
    EXPECT_TRUE(result.entry);
    EXPECT_TRUE(result.settings);
    EXPECT_TRUE(RegistryKeyExists(m_paths.keyStoreFile, kAppCompatFlagsKey));
    EXPECT_EQ(ReadRegistryString(m_paths.keyStoreFile, kCompatibilityLayersKey, "/opt/Apps/vellumo"),
              "WINXPSP2");
    EXPECT_EQ(settings.pathSave, "1");
    EXPECT_EQ(ReadBytes(m_paths.settingsFile()),
              "[Settings]\r\nSaved=0\r\nPathSave=1\r\nPath=/opt/Apps/vellumo\r\n");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(CompatibilityEntry, KeepsTheNoticeChoiceAndOverwritesAnEarlierEntry) {
    AppSettings settings{true, "0", "C:\\"};
    ASSERT_TRUE(WriteCompatibilityEntry(m_paths, settings, recorder()).entry);
    settings.pathSave = "0";
    const CompatibilityResult again = WriteCompatibilityEntry(m_paths, settings, recorder());
    EXPECT_TRUE(again.entry);
    EXPECT_EQ(ReadRegistryString(m_paths.keyStoreFile, kCompatibilityLayersKey, "/opt/Apps/vellumo"),
              "WINXPSP2");
    EXPECT_EQ(LoadSettings(m_paths), (AppSettings{true, "1", "/opt/Apps/vellumo"}));
}

TEST_F(CompatibilityEntry, StoreThatCannotBeWrittenIsStillRecordedAsDone) {
    WriteBytes(m_folder / "config", "a file where the folder should be");
    AppSettings settings;
    const CompatibilityResult result = WriteCompatibilityEntry(m_paths, settings, recorder());
    EXPECT_FALSE(result.entry);
    EXPECT_TRUE(result.settings);
    EXPECT_EQ(LoadSettings(m_paths).pathSave, "1");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(CompatibilityEntry, SettingsThatCannotBeSavedAreReported) {
    WriteBytes(m_folder / "data", "a file where the folder should be");
    AppSettings settings;
    const CompatibilityResult result = WriteCompatibilityEntry(m_paths, settings, recorder());
    EXPECT_TRUE(result.entry);
    EXPECT_FALSE(result.settings);
    EXPECT_EQ(settings.pathSave, "1");
}

} // namespace
} // namespace vellumo
