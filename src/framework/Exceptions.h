#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace fw {

// A failure raised by the framework. It carries the name of its exception
// class, as the unhandled-exception report shows it, and a message.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {});
    virtual std::string_view ClassName() const noexcept { return "RuntimeException"; }
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A nil reference was used.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view ClassName() const noexcept override { return "NilObjectException"; }
};

// An object was cast to a class that it is not an instance of.
class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view ClassName() const noexcept override { return "IllegalCastException"; }
};

// A property list that cannot be read: its message names the entry and the
// byte offset at which reading stopped.
class PropertyListException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view ClassName() const noexcept override { return "PropertyListException"; }
};

// A framework operation was called with an argument it cannot take.
class InvalidArgumentException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view ClassName() const noexcept override { return "InvalidArgumentException"; }
};

[[noreturn]] void RaiseNilObjectException();

// The class name and the message of any exception, for reports.
struct ExceptionSummary {
    std::string className;
    std::string message;
};
ExceptionSummary Summarize(std::exception_ptr error);

} // namespace fw
