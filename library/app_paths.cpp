#include "library/app_paths.h"

#include <filesystem>
#include <system_error>

namespace vellumo {

std::string AppPaths::templateFolder() const {
    return appFolder + "/My Templates/";
}

std::string AppPaths::settingsFile() const {
    return appFolder + "/Settings.ini";
}

std::string AppPaths::ownWordsFile() const {
    return appFolder + "/My Words.txt";
}

std::string AppPaths::knownHostsFile() const {
    return appFolder + "/known_hosts";
}

Outcome CreateFolderIfMissing(const std::string& folder) {
    if (folder.empty()) {
        return std::errc::no_such_file_or_directory;
    }
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        return {};
    }
    // Something else in the folder's place says more than "File exists".
    if (std::filesystem::exists(folder, error)) {
        return std::errc::not_a_directory;
    }
    std::filesystem::create_directories(folder, error);
    return error;
}

} // namespace vellumo
