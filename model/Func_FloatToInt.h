// Rounding of a real to a 32-bit integer.
#pragma once
#include <cstdint>

// Nearest integer, ties to even; raises "'n' is not a valid integer value"
// when the result lies outside the 32-bit range.
int32_t FloatToInt(double x);

// x cut toward zero to a whole number, where a value whole to within single
// precision counts as that whole number: a single divided by its unit's
// factor comes back as 2902.9999 for 2903, and is 2903; 2.7 is 2.
double WholePart(double x);
