#pragma once
// The errors that the program raises. Every one carries a UTF-16 message that the
// general error handler shows as it stands.
#include <exception>
#include <string>

namespace ui {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return "ui::Exception"; }
    std::wstring Message;
};

// A failed system call: the system's text for the error code and, where the call
// concerned a file or key, its name.
class EOSError : public Exception {
public:
    EOSError(unsigned long code, const std::wstring& subject);
    unsigned long ErrorCode;
};

class ERangeError : public Exception { using Exception::Exception; };
class EConvertError : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EOleError : public Exception {
public:
    EOleError(long hr, const std::wstring& what);
    long Result;
};

// The system's message for an error code, without the trailing line break.
std::wstring SystemErrorMessage(unsigned long code);

// Raises EOSError for the calling thread's last error.
[[noreturn]] void RaiseLastOSError(const std::wstring& subject = {});

}  // namespace ui
