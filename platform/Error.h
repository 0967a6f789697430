#pragma once

#include <stdexcept>
#include <string>

namespace lymn {

// The program's error class: every failure is raised as one of these with its message text.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// An error that the message loop drops without showing anything.
class Abort : public Error {
  public:
    Abort() : Error("Operation aborted") {}
};

// The desktop could not be reached: nothing can be shown, not even an error box.
class NoDisplay : public Error {
  public:
    explicit NoDisplay(const std::string& message) : Error(message) {}
};

// Text of the error box for a message: a full stop is appended when the message is not empty
// and its last character sorts after ".".
std::string errorBoxText(const std::string& message);

// "%s" in a message pattern replaced by the argument, as the program's error texts use it.
std::string formatMessage(const std::string& pattern, const std::string& argument);

}  // namespace lymn
