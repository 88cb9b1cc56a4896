#pragma once

#include "library/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vellumo {

inline constexpr std::string_view kLockFileName = "vellumo.lock";

// Held by the one running instance: an exclusive lock on the lock file in the seller's data folder, so two
// copies never work on one folder whatever else differs between their starts. The system drops it when
// the holder ends, however it ends, so a crashed instance never blocks the next start. The holder can
// leave a note in the file (where it listens), for a later start to read.
class SingleInstanceLock {
public:
    // The lock, or none when another holder has it. When the lock file itself cannot be opened, failure
    // (if given) receives the reason, so a caller can tell "already running" from "cannot check";
    // it is cleared otherwise.
    static std::optional<SingleInstanceLock> Acquire(const std::string& folder,
                                                     std::error_code* failure = nullptr);

    // Replaces the note in the lock file.
    Outcome publish(std::string_view note);
    // The note the holder of the folder's lock left; empty when there is none.
    static std::string PublishedNote(const std::string& folder);

    SingleInstanceLock(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock& operator=(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

private:
    explicit SingleInstanceLock(int lockFile)
        : m_lockFile(lockFile) {}
    void release() noexcept;

    int m_lockFile = -1;
};

// True when the process at the other end of a connected local socket runs as this user. A socket in the
// abstract namespace has no file whose permissions keep other users out, so each end asks.
bool PeerIsThisUser(int socketDescriptor);

} // namespace vellumo
