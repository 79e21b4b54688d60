// Run-time errors that abandon the current action; the text is what the
// application's error handler shows.
#pragma once
#include <stdexcept>
#include <string>

struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A result beyond what the arithmetic holds: overflow, an invalid operation
// or a division by zero.
struct ArithmeticError : RunError {
    using RunError::RunError;
};

[[noreturn]] void RaiseRangeCheck();        // "Range check error"
// These four raise an ArithmeticError.
[[noreturn]] void RaiseIntegerOverflow();   // "Integer overflow"
[[noreturn]] void RaiseInvalidOp();         // "Invalid floating point operation"
[[noreturn]] void RaiseZeroDivide();        // "Floating point division by zero"
[[noreturn]] void RaiseFloatOverflow();     // "Floating point overflow"
[[noreturn]] void RaiseInvalidInteger(const std::string& text);  // "'x' is not a valid integer value"
[[noreturn]] void RaiseIoError(int err);  // an errno as the file layer's text: "File not found", ...
