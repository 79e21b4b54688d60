// Checked arithmetic: 32-bit integers raise "Integer overflow", extended reals
// raise the floating-point errors instead of going infinite or NaN.
#pragma once
#include <cfloat>
#include <cmath>
#include <cstdint>
#include "RunError.h"

using Real = long double;

inline int32_t AddI(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_add_overflow(a, b, &r)) RaiseIntegerOverflow();
    return r;
}

// A computed real must be finite.
inline Real Chk(Real v) {
    if (std::isnan(v)) RaiseInvalidOp();
    if (std::isinf(v)) RaiseFloatOverflow();
    return v;
}
inline Real Div(Real a, Real b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) RaiseInvalidOp();
        RaiseZeroDivide();
    }
    return Chk(a / b);
}
// Whether v can be held as a single: within its range (NaN is not).
inline bool HeldAsSingle(Real v) { return std::fabs(v) <= FLT_MAX; }
// Storing into a double or single table overflows like the hardware store would.
inline double ToDouble(Real v) {
    Chk(v);
    if (std::fabs(v) > static_cast<Real>(1.7976931348623157e308L)) RaiseFloatOverflow();
    return static_cast<double>(v);
}
inline float ToSingle(Real v) {
    Chk(v);
    if (std::fabs(v) > static_cast<Real>(3.40282347e38L)) RaiseFloatOverflow();
    return static_cast<float>(v);
}
// The same for a double, without the detour through extended precision.
inline float ToSingle(double v) {
    if (std::isnan(v)) RaiseInvalidOp();
    if (std::fabs(v) > 3.40282347e38) RaiseFloatOverflow();
    return static_cast<float>(v);
}
