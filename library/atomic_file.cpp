#include "library/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {

namespace {

// NAME_MAX is 255 on the usual file systems; the temporary name adds a dot and a suffix to the base.
constexpr std::size_t kMaxBaseInTemporaryName = 200;
constexpr int kTemporaryNameAttempts = 100;

mode_t currentUmask() {
    // Reading the mask from /proc avoids setting it, which would race with other threads creating files.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            std::istringstream value(line.substr(6));
            unsigned mask = 0;
            if (value >> std::oct >> mask) {
                return static_cast<mode_t>(mask & 0777);
            }
        }
    }
    return 022;
}

mode_t finalMode(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return status.st_mode & 07777;
    }
    return 0666 & ~currentUmask();
}

// A temporary file is ".<target name>.vellumo-<8 letters or digits>": distinctive enough that one left
// behind by a crash is recognised as ours and nothing else is.
constexpr std::string_view kTemporaryMark = ".vellumo-";
constexpr std::string_view kTemporaryLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporaryLetterCount = 8;

std::string temporarySuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::mt19937 generator(seed ^ (counter.fetch_add(1) * 2654435761u) ^ static_cast<unsigned>(::getpid()));
    std::string suffix(kTemporaryMark);
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryLetters.size() - 1);
    for (std::size_t i = 0; i < kTemporaryLetterCount; ++i) {
        suffix += kTemporaryLetters[pick(generator)];
    }
    return suffix;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

struct PathParts {
    std::string folder;
    std::string base;
};

PathParts splitPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

} // namespace

void SyncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

bool IsTemporaryFileName(std::string_view name) {
    const std::size_t markAt =
        name.size() - std::min(name.size(), kTemporaryMark.size() + kTemporaryLetterCount);
    return name.size() > kTemporaryMark.size() + kTemporaryLetterCount + 1 && name.front() == '.' &&
           name.substr(markAt, kTemporaryMark.size()) == kTemporaryMark &&
           name.substr(markAt + kTemporaryMark.size()).find_first_not_of(kTemporaryLetters) ==
               std::string_view::npos;
}

Outcome RemoveTemporaryFiles(const std::string& folder) {
    Outcome removed;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (IsTemporaryFileName(entry.path().filename().string()) && ::unlink(entry.path().c_str()) != 0 &&
            errno != ENOENT) {
            removed = LastSystemError();
        }
    }
    return removed;
}

Result<std::string> WriteTemporaryFile(const std::string& path, std::string_view bytes) {
    const PathParts parts = splitPath(path);
    if (parts.base.empty() || parts.base == "." || parts.base == "..") {
        return std::errc::invalid_argument;
    }
    // A folder at the target cannot be renamed over; finding out now keeps the other files of a group old.
    struct stat target {};
    if (::lstat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        return std::errc::is_a_directory;
    }
    const mode_t mode = finalMode(path);
    const std::string prefix =
        (parts.folder == "/" ? "" : parts.folder) + "/." + parts.base.substr(0, kMaxBaseInTemporaryName);
    std::string temporaryPath;
    int descriptor = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && descriptor < 0; ++attempt) {
        temporaryPath = prefix + temporarySuffix();
        descriptor =
            ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno != EEXIST) {
            return LastSystemError();
        }
    }
    if (descriptor < 0) {
        return std::errc::file_exists;
    }
    std::error_code failure;
    if (!writeAll(descriptor, bytes) || ::fchmod(descriptor, mode) != 0 || ::fsync(descriptor) != 0) {
        failure = LastSystemError();
    }
    if (::close(descriptor) != 0 && !failure) {
        failure = LastSystemError();
    }
    if (failure) {
        ::unlink(temporaryPath.c_str());
        return failure;
    }
    return temporaryPath;
}

Outcome CommitTemporaryFile(const std::string& temporaryPath, const std::string& path) {
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        return LastSystemError();
    }
    SyncFolder(splitPath(path).folder);
    return {};
}

Outcome WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFilesAtomically({{path, bytes}});
}

Outcome WriteFilesAtomically(const std::vector<FileContent>& files) {
    std::vector<std::string> temporaryPaths;
    for (const FileContent& file : files) {
        auto temporaryPath = WriteTemporaryFile(file.path, file.bytes);
        if (!temporaryPath) {
            for (const std::string& written : temporaryPaths) {
                ::unlink(written.c_str());
            }
            return temporaryPath.outcome();
        }
        temporaryPaths.push_back(std::move(*temporaryPath));
    }
    Outcome renamed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        // Once a rename fails the remaining files keep their old content and their temporaries go.
        if (renamed) {
            renamed = CommitTemporaryFile(temporaryPaths[i], files[i].path);
        }
        if (!renamed) {
            ::unlink(temporaryPaths[i].c_str());
        }
    }
    return renamed;
}

} // namespace vellumo
