#include "platform/compatibility_entry.h"

namespace vellumo {

CompatibilityResult WriteCompatibilityEntry(const AppPaths& paths, AppSettings& settings,
                                            const ShowMessage& showMessage) {
    CompatibilityResult result;
    CreateRegistryKey(paths.keyStoreFile, kAppCompatFlagsKey, showMessage);
    CreateRegistryKey(paths.keyStoreFile, kCompatibilityLayersKey, showMessage);
    result.entryWritten = SetRegistryString(paths.keyStoreFile, kCompatibilityLayersKey, paths.executablePath,
                                            kCompatibilityMode, showMessage);
    // Recorded whatever the store did: a store that cannot be written is not retried at every start.
    settings.pathSave = "1";
    result.settingsSaved = SaveSettings(paths, settings);
    return result;
}

} // namespace vellumo
