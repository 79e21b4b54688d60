// Text to number conversions with the runtime's error texts.
#pragma once
#include <cstdint>
#include <string>

// Leading blanks and a sign are allowed; anything else raises
// "'text' is not a valid integer value".
int32_t StrToInt(const std::string& text);
