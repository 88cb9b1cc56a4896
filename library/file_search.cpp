#include "library/file_search.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {

namespace {

namespace fs = std::filesystem;

bool isHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

std::string_view baseName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool FileExists(const std::string& path) {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool NormalFileExists(const std::string& path) {
    return !isHiddenName(baseName(path)) && FileExists(path);
}

std::vector<std::string> ListNormalFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return names;
    }
    for (const fs::directory_entry& entry : entries) {
        std::string name = entry.path().filename().string();
        std::error_code statusError;
        if (!isHiddenName(name) && entry.is_regular_file(statusError)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

Result<std::string> ReadNormalFile(const std::string& path) {
    if (isHiddenName(baseName(path))) {
        return std::errc::no_such_file_or_directory;
    }
    return ReadWholeFile(path);
}

Result<std::string> ReadWholeFile(const std::string& path) {
    // O_NONBLOCK: should the path name a pipe, opening must not hang.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return LastSystemError();
    }
    struct stat status {};
    std::error_code failure;
    std::string bytes;
    if (::fstat(descriptor, &status) != 0) {
        failure = LastSystemError();
    } else if (!S_ISREG(status.st_mode)) {
        failure = std::make_error_code(S_ISDIR(status.st_mode) ? std::errc::is_a_directory
                                                               : std::errc::no_such_file_or_directory);
    } else if (status.st_size > kMaxReadSize) {
        failure = std::make_error_code(std::errc::file_too_large);
    }
    char buffer[65536];
    while (!failure) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            failure = LastSystemError();
        } else if (bytes.size() > static_cast<std::size_t>(kMaxReadSize)) {
            failure = std::make_error_code(std::errc::file_too_large);
        } else if (count == 0) {
            break;
        } else {
            bytes.append(buffer, static_cast<std::size_t>(count));
        }
    }
    ::close(descriptor);
    if (failure) {
        return failure;
    }
    return bytes;
}

} // namespace vellumo
