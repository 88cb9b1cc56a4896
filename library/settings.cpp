#include "library/settings.h"

#include "library/ini_file.h"

#include <charconv>

namespace vellumo {

namespace {

constexpr const char* kSettingsSection = "Settings";

// "Saved" as the check box takes it: the number 1 ticks it; 0, other numbers and text leave it unticked.
bool savedFromText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text.remove_prefix(first);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && number == 1 &&
           std::string_view(end, text.data() + text.size()).find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

AppSettings LoadSettings(const AppPaths& paths) {
    AppSettings settings;
    const auto document = LoadIniDocument(paths.settingsFile());
    if (!document)
        return settings;
    settings.saved = savedFromText(document->value(kSettingsSection, "Saved", "0"));
    settings.pathSave = document->value(kSettingsSection, "PathSave", "0");
    settings.path = document->value(kSettingsSection, "Path", "C:\\");
    return settings;
}

bool SaveSettings(const AppPaths& paths, const AppSettings& settings) {
    if (!CreateFolderIfMissing(paths.appFolder))
        return false;
    return WriteIniValues(kSettingsSection,
                          {{"Saved", settings.saved ? "1" : "0"},
                           {"PathSave", settings.pathSave},
                           {"Path", paths.executablePath}},
                          paths.settingsFile());
}

}  // namespace vellumo
