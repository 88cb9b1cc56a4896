#include "library/settings.h"

#include "library/ini_file.h"
#include "text/numbers.h"

namespace vellumo {

namespace {

constexpr const char* kSettingsSection = "Settings";

} // namespace

AppSettings LoadSettings(const AppPaths& paths) {
    AppSettings settings;
    const auto document = LoadIniDocument(paths.settingsFile());
    if (!document) {
        return settings;
    }
    // Only the number 1 ticks the box; 0, other numbers and text leave it unticked.
    settings.saved = ParseWholeNumber(document->value(kSettingsSection, "Saved", "0")) == 1;
    settings.pathSave = document->value(kSettingsSection, "PathSave", "0");
    settings.path = document->value(kSettingsSection, "Path", "C:\\");
    return settings;
}

std::string LoadChoice(const AppPaths& paths, std::string_view key, std::string_view defaultValue) {
    const auto document = LoadIniDocument(paths.settingsFile());
    return document ? document->value(kSettingsSection, key, defaultValue) : std::string(defaultValue);
}

Outcome SaveChoice(const AppPaths& paths, std::string_view key, std::string_view value) {
    if (Outcome folder = CreateFolderIfMissing(paths.appFolder); !folder) {
        return folder;
    }
    return WriteIniValue(kSettingsSection, key, value, paths.settingsFile());
}

Outcome SaveSettings(const AppPaths& paths, const AppSettings& settings) {
    if (Outcome folder = CreateFolderIfMissing(paths.appFolder); !folder) {
        return folder;
    }
    return WriteIniValues(kSettingsSection,
                          {{"Saved", settings.saved ? "1" : "0"},
                           {"PathSave", settings.pathSave},
                           {"Path", paths.executablePath}},
                          paths.settingsFile());
}

} // namespace vellumo
