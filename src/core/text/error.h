// Errors are values: the core never prints. An Error says what went wrong and where (file and
// line), and the window model turns it into the message the user sees.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tev {

enum class ErrorKind {
    missing,      // the file does not exist
    damaged,      // the file exists but is not what the program writes
    write_failed, // a file could not be written or put in place
    unencodable,  // a text cannot be written to a code page 932 file
};

struct Error {
    ErrorKind kind = ErrorKind::damaged;
    std::string file;    // bare file name, empty when no file is involved
    int line = 0;        // 1-based line of the file, 0 when not tied to a line
    std::string detail;  // what was wrong, in plain Japanese words (UTF-8)

    // "FILE N行目: detail" (parts that are unknown are left out), for the user's eyes.
    std::string describe() const;
};

// Why a write failed, in the user's words, from the system's error number.
std::string write_failure_reason(int error_number);

// The user's words for why a file could not be opened or read, from an errno value.
std::string read_failure_reason(int error_number);

struct Unit {};

// The value of a step that may fail: either a T or an Error.
template <class T>
class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

using Status = Result<Unit>;

inline Status ok_status() { return Unit{}; }

// An Error of `kind` about `file` (and `line` when known).
inline Error make_error(ErrorKind kind, std::string file, int line, std::string detail) {
    return Error{kind, std::move(file), line, std::move(detail)};
}

}  // namespace tev
