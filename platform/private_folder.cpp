#include "platform/private_folder.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {

namespace {

constexpr mode_t kPrivateMode = S_IRWXU;

// Creates the missing parents of path; an existing or uncreatable parent is left for the final check.
void createParents(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), kPrivateMode);
    }
}

} // namespace

Outcome EnsurePrivateFolder(const std::string& path) {
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    if (folder.empty()) {
        return std::errc::no_such_file_or_directory;
    }
    createParents(folder);
    // mkdir never follows a link at the path, so a planted link fails here and is refused below.
    if (::mkdir(folder.c_str(), kPrivateMode) != 0 && errno != EEXIST) {
        return LastSystemError();
    }
    // Checked and repaired through one descriptor, so the folder cannot be swapped in between.
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        // O_NOFOLLOW reports a link as ELOOP, O_DIRECTORY anything else as ENOTDIR.
        return LastSystemError();
    }
    struct stat status {};
    Outcome isPrivate;
    if (::fstat(descriptor, &status) != 0) {
        isPrivate = LastSystemError();
    } else if (!S_ISDIR(status.st_mode)) {
        isPrivate = std::errc::not_a_directory;
    } else if (status.st_uid != ::geteuid()) {
        isPrivate = std::errc::operation_not_permitted;
    } else if ((status.st_mode & 07777) != kPrivateMode && ::fchmod(descriptor, kPrivateMode) != 0) {
        isPrivate = LastSystemError();
    }
    ::close(descriptor);
    return isPrivate;
}

} // namespace vellumo
