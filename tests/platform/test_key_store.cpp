#include "platform/key_store.h"

#include "../library/temporary_folder.h"
#include "key_store_reader.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <vector>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::ReadRegistryString;
using testing::RegistryKeyExists;
using testing::TemporaryFolder;
using testing::WriteBytes;

constexpr const char* kLayers =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";

class MessageRecorder {
public:
    TellIncorrectFormat callback() {
        return [this](const std::string& text) { m_messages.push_back(text); };
    }
    const std::vector<std::string>& messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
};

struct RootCase {
    const char* name;
    std::optional<RootKey> root;
};

void PrintTo(const RootCase& c, std::ostream* out) {
    *out << c.name;
}

class RootNames : public ::testing::TestWithParam<RootCase> {};

TEST_P(RootNames, MatchExactly) {
    EXPECT_EQ(RootKeyFromName(GetParam().name), GetParam().root);
    if (GetParam().root) {
        EXPECT_EQ(RootKeyName(*GetParam().root), GetParam().name);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, RootNames,
                         ::testing::Values(RootCase{"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
                                           RootCase{"HKEY_CURRENT_USER", RootKey::CurrentUser},
                                           RootCase{"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
                                           RootCase{"HKEY_USERS", RootKey::Users},
                                           RootCase{"HKEY_PERFORMANCE_DATA", RootKey::PerformanceData},
                                           RootCase{"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
                                           RootCase{"HKEY_DYN_DATA", RootKey::DynData},
                                           RootCase{"hkey_current_user", std::nullopt},
                                           RootCase{"HKEY_CURRENT_USER ", std::nullopt},
                                           RootCase{"HKCU", std::nullopt}, RootCase{"", std::nullopt}));

struct ParseCase {
    const char* path;
    std::optional<RootKey> root;
    const char* subKey;
    bool formatMessage;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.path;
}

class RegistryPaths : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RegistryPaths, SplitAtTheFirstBackslash) {
    MessageRecorder recorder;
    const RegistryPath parsed = ParseRegistryPath(GetParam().path, recorder.callback());
    EXPECT_EQ(parsed.root, GetParam().root);
    EXPECT_EQ(parsed.subKey, GetParam().subKey);
    const std::vector<std::string> expected{GetParam().path};
    EXPECT_EQ(recorder.messages(), GetParam().formatMessage ? expected : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RegistryPaths,
    ::testing::Values(ParseCase{"HKEY_CURRENT_USER", RootKey::CurrentUser, "", false},
                      ParseCase{"HKEY_LOCAL_MACHINE\\A\\B", RootKey::LocalMachine, "A\\B", false},
                      ParseCase{"HKEY_CURRENT_USER\\", std::nullopt, "", true},
                      ParseCase{"hkey_current_user\\Software", std::nullopt, "", true},
                      ParseCase{"Software\\Microsoft", std::nullopt, "", true},
                      ParseCase{"", std::nullopt, "", true},
                      ParseCase{"HKEY_NOWHERE\\Software", std::nullopt, "Software", false}));

class KeyStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        m_store = m_folder / "config/Registry.ini";
    }
    TemporaryFolder m_folder;
    std::string m_store;
    MessageRecorder m_recorder;
};

TEST_F(KeyStore, CreatingAKeyCreatesTheKeysAboveIt) {
    ASSERT_TRUE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    EXPECT_TRUE(RegistryKeyExists(m_store, kLayers));
    EXPECT_TRUE(RegistryKeyExists(m_store, "HKEY_CURRENT_USER\\Software\\Microsoft"));
    EXPECT_FALSE(RegistryKeyExists(m_store, "hkey_current_user\\SOFTWARE")); // a malformed path
    EXPECT_TRUE(RegistryKeyExists(m_store, "HKEY_CURRENT_USER\\SOFTWARE"));
    EXPECT_FALSE(RegistryKeyExists(m_store, "HKEY_LOCAL_MACHINE\\Software"));
    EXPECT_TRUE(m_recorder.messages().empty());
}

TEST_F(KeyStore, ExistingKeyIsOpenedWithoutRewritingTheStore) {
    ASSERT_TRUE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    ASSERT_TRUE(SetRegistryString(m_store, kLayers, "/opt/vellumo", "WINXPSP2", m_recorder.callback()));
    const auto before = std::filesystem::last_write_time(m_store);
    const std::string bytes = ReadBytes(m_store);
    ASSERT_TRUE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    EXPECT_EQ(ReadBytes(m_store), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(m_store), before);
}

TEST_F(KeyStore, StringValueIsStoredAndOverwritten) {
    ASSERT_TRUE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    ASSERT_TRUE(SetRegistryString(m_store, kLayers, "/opt/vellumo", "WIN98", m_recorder.callback()));
    ASSERT_TRUE(SetRegistryString(m_store, kLayers, "/OPT/vellumo", "WINXPSP2", m_recorder.callback()));
    EXPECT_EQ(ReadRegistryString(m_store, kLayers, "/opt/vellumo"), "WINXPSP2");
}

TEST_F(KeyStore, SettingAValueNeverCreatesItsKey) {
    EXPECT_FALSE(SetRegistryString(m_store, kLayers, "/opt/vellumo", "WINXPSP2", m_recorder.callback()));
    EXPECT_FALSE(std::filesystem::exists(m_store));
    ASSERT_TRUE(CreateRegistryKey(m_store, "HKEY_CURRENT_USER\\Software", m_recorder.callback()));
    const std::string bytes = ReadBytes(m_store);
    EXPECT_FALSE(SetRegistryString(m_store, kLayers, "/opt/vellumo", "WINXPSP2", m_recorder.callback()));
    EXPECT_EQ(ReadBytes(m_store), bytes);
    EXPECT_TRUE(m_recorder.messages().empty());
}

TEST_F(KeyStore, RootKeysAlwaysExist) {
    EXPECT_TRUE(CreateRegistryKey(m_store, "HKEY_CURRENT_USER", m_recorder.callback()));
    EXPECT_TRUE(SetRegistryString(m_store, "HKEY_CURRENT_USER", "name", "value", m_recorder.callback()));
    EXPECT_EQ(ReadRegistryString(m_store, "HKEY_CURRENT_USER", "name"), "value");
}

TEST_F(KeyStore, MalformedPathShowsTheMessageAndTouchesNothing) {
    EXPECT_FALSE(CreateRegistryKey(m_store, "HKEY_CURRENT_USER\\Software\\", m_recorder.callback()));
    EXPECT_FALSE(SetRegistryString(m_store, "hkey_current_user", "n", "v", m_recorder.callback()));
    EXPECT_EQ(m_recorder.messages(),
              (std::vector<std::string>{"HKEY_CURRENT_USER\\Software\\", "hkey_current_user"}));
    EXPECT_FALSE(std::filesystem::exists(m_store));
}

TEST_F(KeyStore, UnknownRootAndEmptyKeyNamesDoNothingSilently) {
    EXPECT_FALSE(CreateRegistryKey(m_store, "HKEY_NOWHERE\\Software", m_recorder.callback()));
    EXPECT_FALSE(CreateRegistryKey(m_store, "HKEY_CURRENT_USER\\Software\\\\Gap", m_recorder.callback()));
    EXPECT_TRUE(m_recorder.messages().empty());
    EXPECT_FALSE(std::filesystem::exists(m_store));
}

TEST_F(KeyStore, UnwritableStoreReportsFailure) {
    WriteBytes(m_folder / "config", "a file where the folder should be");
    EXPECT_FALSE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    EXPECT_FALSE(SetRegistryString(m_store, "HKEY_CURRENT_USER", "n", "v", m_recorder.callback()));
}

TEST_F(KeyStore, OtherContentOfTheStoreIsKept) {
    std::filesystem::create_directories(m_folder / "config");
    WriteBytes(m_store, "; written by hand\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\nkeep=1\r\n");
    ASSERT_TRUE(CreateRegistryKey(m_store, kLayers, m_recorder.callback()));
    EXPECT_EQ(ReadRegistryString(m_store, "HKEY_CURRENT_USER\\Software\\Other", "keep"), "1");
    EXPECT_EQ(ReadBytes(m_store).rfind("; written by hand\r\n", 0), 0u);
}

} // namespace
} // namespace vellumo
