// Internal errors that can only come from corrupt built-in data or a broken
// invariant. They abort the current call; the bindings turn them into a
// RuntimeError carrying the message.
#pragma once
#include <stdexcept>
#include <string>

namespace velnor {

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void fatal(const std::string& message) { throw FatalError(message); }

}  // namespace velnor
