#include "platform/single_instance.h"

#include "library/file_search.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vellumo {

std::optional<SingleInstanceLock> SingleInstanceLock::Acquire(const std::string& folder,
                                                              std::error_code* failure) {
    if (failure != nullptr) {
        failure->clear();
    }
    const std::string lockPath = folder + "/" + std::string(kLockFileName);
    // Close-on-exec: a helper process started later (the web engine's) must not keep the lock alive.
    const int lockFile =
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (lockFile < 0) {
        if (failure != nullptr) {
            *failure = std::error_code(errno, std::generic_category());
        }
        return std::nullopt;
    }
    // flock belongs to this open file, so a second Acquire in the same process is refused as well.
    if (::flock(lockFile, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(lockFile);
        if (reason != EWOULDBLOCK && failure != nullptr) {
            *failure = std::error_code(reason, std::generic_category());
        }
        return std::nullopt;
    }
    return SingleInstanceLock(lockFile);
}

Outcome SingleInstanceLock::publish(std::string_view note) {
    // The lock file stays the same open file, so the lock is kept while the note changes.
    if (::ftruncate(m_lockFile, 0) != 0 || ::lseek(m_lockFile, 0, SEEK_SET) != 0) {
        return LastSystemError();
    }
    while (!note.empty()) {
        const ssize_t written = ::write(m_lockFile, note.data(), note.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return LastSystemError();
        }
        note.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::string SingleInstanceLock::PublishedNote(const std::string& folder) {
    const auto note = ReadWholeFile(folder + "/" + std::string(kLockFileName));
    return note ? *note : std::string();
}

bool PeerIsThisUser(int socketDescriptor) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof peer && peer.uid == ::getuid();
}

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept
    : m_lockFile(std::exchange(other.m_lockFile, -1)) {}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept {
    if (this != &other) {
        release();
        m_lockFile = std::exchange(other.m_lockFile, -1);
    }
    return *this;
}

SingleInstanceLock::~SingleInstanceLock() {
    release();
}

void SingleInstanceLock::release() noexcept {
    if (m_lockFile >= 0) {
        // Closing the last descriptor of the open file drops the lock.
        ::close(m_lockFile);
        m_lockFile = -1;
    }
}

} // namespace vellumo
