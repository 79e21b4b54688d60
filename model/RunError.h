// Run-time errors that abandon the current action; the text is what the
// application's error handler shows.
#pragma once
#include <stdexcept>
#include <string>

struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseRangeCheck();        // "Range check error"
[[noreturn]] void RaiseIntegerOverflow();   // "Integer overflow"
[[noreturn]] void RaiseInvalidOp();         // "Invalid floating point operation"
[[noreturn]] void RaiseZeroDivide();        // "Floating point division by zero"
[[noreturn]] void RaiseFloatOverflow();     // "Floating point overflow"
[[noreturn]] void RaiseInvalidInteger(const std::string& text);  // "'x' is not a valid integer value"
