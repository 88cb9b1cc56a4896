#pragma once

#include "library/app_paths.h"
#include "library/settings.h"
#include "platform/key_store.h"

namespace vellumo {

inline constexpr const char* kAppCompatFlagsKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags";
inline constexpr const char* kCompatibilityLayersKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
inline constexpr const char* kCompatibilityMode = "WINXPSP2";

struct CompatibilityResult {
    Outcome entry;    // the Layers key holds the executable's value
    Outcome settings; // Settings.ini now says PathSave=1
};

// Run at start-up while settings.pathSave is exactly "0": creates the AppCompatFlags and Layers keys, sets
// the value named by the executable's path to "WINXPSP2", then sets settings.pathSave to "1" and saves the
// settings, whatever the key store did, so a store that cannot be written is not retried at every start.
CompatibilityResult WriteCompatibilityEntry(const AppPaths& paths, AppSettings& settings,
                                            const TellIncorrectFormat& tellIncorrectFormat);

} // namespace vellumo
