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

bool CreateFolderIfMissing(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace vellumo
