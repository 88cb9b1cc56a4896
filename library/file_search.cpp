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

// Far beyond any template or settings file; a larger file is not ours to load whole.
constexpr off_t kMaxReadSize = 64 * 1024 * 1024;

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

std::optional<std::string> ReadNormalFile(const std::string& path) {
    if (isHiddenName(baseName(path))) {
        return std::nullopt;
    }
    return ReadWholeFile(path);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    if (!FileExists(path)) {
        return std::nullopt;
    }
    // O_NONBLOCK: should the file be swapped for a pipe after the test above, opening must not hang.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<std::string> content;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxReadSize) {
        std::string bytes;
        char buffer[65536];
        bool failed = false;
        for (;;) {
            const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0 || bytes.size() > static_cast<std::size_t>(kMaxReadSize)) {
                failed = true;
                break;
            }
            if (count == 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(count));
        }
        if (!failed) {
            content = std::move(bytes);
        }
    }
    ::close(descriptor);
    return content;
}

} // namespace vellumo
