#pragma once

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace vellumo {

// The reason of the last failed system call, as the system words it ("No space left on device").
inline std::error_code LastSystemError() {
    return {errno, std::generic_category()};
}

// Success, or the reason a file operation failed. Converts to true on success, so a caller that only
// needs to know whether it worked reads naturally; a caller that tells the seller shows message().
class [[nodiscard]] Outcome {
public:
    Outcome() = default;
    Outcome(std::error_code error) // NOLINT: a failure's reason is an outcome
        : m_error(error) {}
    Outcome(std::errc error) // NOLINT
        : m_error(std::make_error_code(error)) {}

    explicit operator bool() const { return !m_error; }
    const std::error_code& error() const { return m_error; }
    std::string message() const { return m_error.message(); }

private:
    std::error_code m_error;
};

// A value, or the reason there is none.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) // NOLINT: a value is a result
        : m_value(std::move(value)) {}
    Result(std::error_code error) // NOLINT: so is a failure's reason
        : m_error(error ? error : std::make_error_code(std::errc::io_error)) {}
    Result(std::errc error) // NOLINT
        : Result(std::make_error_code(error)) {}

    explicit operator bool() const { return m_value.has_value(); }
    bool has_value() const { return m_value.has_value(); }
    bool operator==(const T& value) const { return m_value == value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    const std::error_code& error() const { return m_error; }
    std::string message() const { return m_error.message(); }
    Outcome outcome() const { return m_error; }

private:
    std::optional<T> m_value;
    std::error_code m_error;
};

} // namespace vellumo
