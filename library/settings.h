#pragma once

#include "library/app_paths.h"

#include <string>
#include <string_view>

namespace vellumo {

// The three keys of Settings.ini, section "Settings".
struct AppSettings {
    bool saved = false;         // "Saved": the notice dialog's "Don't show this message again"
    std::string pathSave = "0"; // "PathSave" (txtReg): "1" once the compatibility entry has been written
    std::string path = "C:\\";  // "Path" (Text1)
    bool operator==(const AppSettings&) const = default;
};

// Reads Settings.ini; a missing file gives the defaults, a missing key its default. "Saved" is ticked only
// when it reads as the number 1; anything that is not a number counts as unticked.
AppSettings LoadSettings(const AppPaths& paths);

// The program's own choices, kept beside the three keys above in the same section; other readers of the
// file ignore them. Each is written on its own when the seller changes it.
inline constexpr const char* kFullScreenWidthKey = "FullScreenWidth";
inline constexpr const char* kPhoneLayoutKey = "PhoneFriendlyLayout";   // "1" (the default) or "0"
inline constexpr const char* kSpellingLanguageKey = "SpellingLanguage"; // "en_GB"; none: the desktop's
std::string LoadChoice(const AppPaths& paths, std::string_view key, std::string_view defaultValue);
Outcome SaveChoice(const AppPaths& paths, std::string_view key, std::string_view value);

// Writes all three keys in one atomic step ("Path" from paths.executablePath), creating the data folder
// and the file when missing and keeping any other line of the file; the reason when it could not.
Outcome SaveSettings(const AppPaths& paths, const AppSettings& settings);

} // namespace vellumo
