#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vellumo {

inline constexpr std::string_view kLockFileName = "vellumo.lock";

// Held by the one running instance: an exclusive lock on the lock file in a private folder. The system
// drops it when the holder ends, however it ends, so a crashed instance never blocks the next start.
class SingleInstanceLock {
public:
    // The lock, or none when another holder has it. When the lock file itself cannot be opened, failure
    // (if given) receives the reason, so a caller can tell "already running" from "cannot check";
    // it is cleared otherwise.
    static std::optional<SingleInstanceLock> Acquire(const std::string& folder,
                                                     std::error_code* failure = nullptr);

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

} // namespace vellumo
