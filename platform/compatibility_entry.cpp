#include "platform/compatibility_entry.h"

namespace vellumo {

CompatibilityResult WriteCompatibilityEntry(const AppPaths& paths, AppSettings& settings,
                                            const TellIncorrectFormat& tellIncorrectFormat) {
    CompatibilityResult result;
    // Each step runs whatever the one before did; the entry's outcome is the first failure's.
    for (const char* key : {kAppCompatFlagsKey, kCompatibilityLayersKey}) {
        if (Outcome created = CreateRegistryKey(paths.keyStoreFile, key, tellIncorrectFormat); result.entry) {
            result.entry = created;
        }
    }
    if (Outcome value = SetRegistryString(paths.keyStoreFile, kCompatibilityLayersKey, paths.executablePath,
                                          kCompatibilityMode, tellIncorrectFormat);
        result.entry) {
        result.entry = value;
    }
    // Recorded whatever the store did: a store that cannot be written is not retried at every start.
    settings.pathSave = "1";
    result.settings = SaveSettings(paths, settings);
    return result;
}

} // namespace vellumo
