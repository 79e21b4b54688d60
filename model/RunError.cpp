#include "RunError.h"

void RaiseRangeCheck() { throw RunError("Range check error"); }
void RaiseIntegerOverflow() { throw ArithmeticError("Integer overflow"); }
void RaiseInvalidOp() { throw ArithmeticError("Invalid floating point operation"); }
void RaiseZeroDivide() { throw ArithmeticError("Floating point division by zero"); }
void RaiseFloatOverflow() { throw ArithmeticError("Floating point overflow"); }
void RaiseInvalidInteger(const std::string& text) {
    throw RunError("'" + text + "' is not a valid integer value");
}
