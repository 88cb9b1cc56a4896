#include "library/app_paths.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {

namespace {

namespace fs = std::filesystem;

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

std::string AppPaths::templateFolder() const { return appFolder + "/My Templates/"; }

std::string AppPaths::settingsFile() const { return appFolder + "/Settings.ini"; }

AppPaths AppPathsFor(const UserLocations& locations) {
    const std::string home = withoutTrailingSlashes(locations.home);
    const std::string dataHome = isAbsolute(locations.dataHome) ? withoutTrailingSlashes(locations.dataHome)
                                                                : home + "/.local/share";
    const std::string configHome = isAbsolute(locations.configHome)
                                       ? withoutTrailingSlashes(locations.configHome)
                                       : home + "/.config";
    AppPaths paths;
    paths.appFolder = dataHome + "/Vellumo";
    paths.executablePath = locations.executablePath;
    paths.helpFolder = folderOf(locations.executablePath);
    paths.previewFolder = isAbsolute(locations.runtimeDir)
                              ? withoutTrailingSlashes(locations.runtimeDir) + "/vellumo"
                              : paths.appFolder + "/Preview";
    paths.keyStoreFile = configHome + "/Vellumo/Registry.ini";
    return paths;
}

UserLocations CurrentUserLocations() {
    UserLocations locations;
    locations.home = environmentValue("HOME");
    if (!isAbsolute(locations.home)) {
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
            locations.home = entry->pw_dir;
    }
    locations.dataHome = environmentValue("XDG_DATA_HOME");
    locations.configHome = environmentValue("XDG_CONFIG_HOME");
    locations.runtimeDir = environmentValue("XDG_RUNTIME_DIR");
    std::error_code error;
    locations.executablePath = fs::read_symlink("/proc/self/exe", error).string();
    return locations;
}

AppPaths SystemAppPaths() {
    AppPaths paths = AppPathsFor(CurrentUserLocations());
    // Failures here show up later as failed saves, which the window reports.
    (void)CreateFolderIfMissing(paths.appFolder);
    (void)CreateFolderIfMissing(folderOf(paths.keyStoreFile));
    if (!PreparePrivateFolder(paths.previewFolder)) {
        paths.previewFolder = paths.appFolder + "/Preview";
        (void)PreparePrivateFolder(paths.previewFolder);
    }
    return paths;
}

bool CreateFolderIfMissing(const std::string& folder) {
    if (folder.empty())
        return false;
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool PreparePrivateFolder(const std::string& folder) {
    if (folder.empty())
        return false;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        const std::string parent = folderOf(folder);
        if (!CreateFolderIfMissing(parent) || ::mkdir(folder.c_str(), 0700) != 0)
            return false;
    }
    struct stat status {};
    // lstat: a symbolic link planted at the path must not lead the preview page elsewhere.
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return false;
    if ((status.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return false;
    return true;
}

}  // namespace vellumo
