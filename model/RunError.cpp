#include "RunError.h"

void RaiseRangeCheck() { throw RunError("Range check error"); }
void RaiseIntegerOverflow() { throw RunError("Integer overflow"); }
void RaiseInvalidOp() { throw RunError("Invalid floating point operation"); }
void RaiseZeroDivide() { throw RunError("Floating point division by zero"); }
void RaiseFloatOverflow() { throw RunError("Floating point overflow"); }
void RaiseInvalidInteger(const std::string& text) {
    throw RunError("'" + text + "' is not a valid integer value");
}
