// Text to number conversions with the runtime's error texts.
#pragma once
#include <cstdint>
#include <string>

// Leading blanks and a sign are allowed; anything else raises
// "'text' is not a valid integer value".
int32_t StrToInt(const std::string& text);

// Decimal text with "." as the point and an optional exponent; blanks around
// it are allowed; anything else (an empty text too) raises
// "'text' is not a valid floating point value".
long double StrToFloat(const std::string& text);
