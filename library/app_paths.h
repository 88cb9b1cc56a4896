#pragma once

#include "library/outcome.h"

#include <string>

namespace vellumo {

// The folders and files the program works with. Filled once by main from the real system; tests give
// temporary folders. Paths use "/" and the folders carry no trailing separator.
struct AppPaths {
    std::string appFolder;      // the seller's data: Settings.ini and "My Templates"
    std::string executablePath; // the running program; "Path" in Settings.ini and the key store's value name
    std::string keyStoreFile;   // the per-user file that stands in for the registry
    std::string dictionaryFolder = "/usr/share/hunspell"; // the spelling dictionaries (Debian's hunspell-*)

    std::string templateFolder() const; // appFolder + "/My Templates/"
    std::string settingsFile() const;   // appFolder + "/Settings.ini"
    std::string ownWordsFile() const;   // appFolder + "/My Words.txt": the seller's words for spelling
    std::string knownHostsFile() const; // appFolder + "/known_hosts": the SFTP servers the seller trusts
};

// Creates the folder and its parents when missing; success when it exists as a folder afterwards.
Outcome CreateFolderIfMissing(const std::string& folder);

} // namespace vellumo
