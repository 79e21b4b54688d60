// Rounding of a real to a 32-bit integer.
#pragma once
#include <cstdint>

// Nearest integer, ties to even; raises "'n' is not a valid integer value"
// when the result lies outside the 32-bit range.
int32_t FloatToInt(double x);
