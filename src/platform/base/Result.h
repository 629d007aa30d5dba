#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace platform {

// The outcome of an operation that returns nothing: success, or a failure with the message
// that tells the user (or the caller) what went wrong. Errors travel as values, never as
// exceptions, across module boundaries.
class [[nodiscard]] Status {
public:
    static Status ok() { return Status(); }
    // `code` is the system's error number when the failure came from the system (errno on
    // this host), 0 otherwise; callers that must tell failures apart test it.
    static Status failure(std::string message, int code = 0) { return Status(std::move(message), code); }

    bool isOk() const { return !m_message.has_value(); }
    explicit operator bool() const { return isOk(); }

    // The failure's message; empty for success.
    const std::string& message() const
    {
        static const std::string none;
        return m_message ? *m_message : none;
    }
    int code() const { return m_code; }

private:
    Status() = default;
    Status(std::string message, int code) : m_message(std::move(message)), m_code(code) {}

    std::optional<std::string> m_message;
    int m_code = 0;
};

// A value, or the message of the failure that prevented it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status failure) : m_failure(std::move(failure)) { assert(!m_failure.isOk()); }

    static Result failure(std::string message, int code = 0)
    {
        return Result(Status::failure(std::move(message), code));
    }

    bool isOk() const { return m_value.has_value(); }
    explicit operator bool() const { return isOk(); }

    const T& value() const& { assert(isOk()); return *m_value; }
    T& value() & { assert(isOk()); return *m_value; }
    T&& value() && { assert(isOk()); return std::move(*m_value); }
    const T* operator->() const { return &value(); }
    const T& operator*() const& { return value(); }

    T valueOr(T fallback) const { return m_value ? *m_value : std::move(fallback); }

    const std::string& message() const { return m_failure.message(); }
    int code() const { return m_failure.code(); }
    Status status() const { return isOk() ? Status::ok() : m_failure; }

private:
    std::optional<T> m_value;
    Status m_failure = Status::ok();
};

} // namespace platform
