#include "RunError.h"
#include <cerrno>

void RaiseRangeCheck() { throw RunError("Range check error"); }
void RaiseIntegerOverflow() { throw ArithmeticError("Integer overflow"); }
void RaiseInvalidOp() { throw ArithmeticError("Invalid floating point operation"); }
void RaiseZeroDivide() { throw ArithmeticError("Floating point division by zero"); }
void RaiseFloatOverflow() { throw ArithmeticError("Floating point overflow"); }
void RaiseInvalidInteger(const std::string& text) {
    throw RunError("'" + text + "' is not a valid integer value");
}

void RaiseIoError(int err) {
    switch (err) {
    case ENOENT: case ENOTDIR: throw RunError("File not found");
    case ELOOP: throw RunError("the file is a link that leads back to itself");
    case ENAMETOOLONG: throw RunError("the name is too long");
    case EACCES: case EPERM: case EROFS: case EISDIR: case ETXTBSY: throw RunError("File access denied");
    case ENOSPC: case EDQUOT: case EFBIG: throw RunError("Disk full");
    case EMFILE: case ENFILE: throw RunError("Too many open files");
    default: throw RunError("I/O error " + std::to_string(err));
    }
}
