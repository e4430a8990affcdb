// Exception classes of the form/component library stand-in.
//
// Every failure the library raises derives from Exception; the action
// handlers catch Exception and forward Message() to a host variable.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace glimmerbox {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text could not be converted (the integer-text conversion).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The system refused a resource (a timer, a window, a GDI object).
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// A memory block could not be allocated.
class EOutOfMemory : public Exception {
public:
    using Exception::Exception;
};

} // namespace glimmerbox
