#pragma once

#include <string>

namespace vellumo {

// The folders and files the program works with. Filled once by main from the real system; tests give
// temporary folders. Paths use "/" and the folders carry no trailing separator.
struct AppPaths {
    std::string appFolder;       // the seller's data: Settings.ini and "My Templates"
    std::string executablePath;  // the running program; "Path" in Settings.ini and the key store's value name
    std::string helpFolder;      // holds the help file
    std::string previewFolder;   // private folder for the preview page
    std::string keyStoreFile;    // the per-user file that stands in for the registry

    std::string templateFolder() const;  // appFolder + "/My Templates/"
    std::string settingsFile() const;    // appFolder + "/Settings.ini"
};

// Where a user's folders are, as the environment reports them. Empty text means "not set".
struct UserLocations {
    std::string home;            // $HOME
    std::string dataHome;        // $XDG_DATA_HOME
    std::string configHome;      // $XDG_CONFIG_HOME
    std::string runtimeDir;      // $XDG_RUNTIME_DIR
    std::string executablePath;  // the running program
};

// The paths for a user, without touching the disk: data in <data home>/Vellumo, the key store in
// <config home>/Vellumo/Registry.ini, the preview in <runtime dir>/vellumo (else <data>/Preview), the help
// file beside the executable. Relative XDG values are ignored, as the XDG rules ask.
AppPaths AppPathsFor(const UserLocations& locations);

// The locations of the current user and process, from the environment and /proc/self/exe.
UserLocations CurrentUserLocations();

// AppPathsFor(CurrentUserLocations()), with the data and key-store folders created and the preview folder
// made private (falling back to <data>/Preview when the runtime folder cannot be made private).
AppPaths SystemAppPaths();

// Creates the folder and its parents when missing; true when it exists as a folder afterwards.
[[nodiscard]] bool CreateFolderIfMissing(const std::string& folder);

// Creates the folder with mode 0700 when missing, then checks that it is a real folder (not a symbolic link)
// owned by this user and reachable by nobody else, tightening its mode if needed. False when it is not safe.
[[nodiscard]] bool PreparePrivateFolder(const std::string& folder);

}  // namespace vellumo
