// Text to number conversions with the runtime's error texts.
#pragma once
#include <cstdint>
#include <string>

// Leading blanks and a sign are allowed; anything else raises
// "'text' is not a valid integer value".
int32_t StrToInt(const std::string& text);
// The number of lines a text store lists, as its line 0 holds it; an empty
// line 0 counts 0.
int32_t LineCount(const std::string& line0);

// Decimal text with "." as the point and an optional exponent; blanks around
// it are allowed; anything else (an empty text too) raises
// "'text' is not a valid floating point value".
long double StrToFloat(const std::string& text);
// The place value of the last figure of a number text StrToFloat takes:
// 0.01 for "10.80", 1 for "10800", 100 for "1.5e3".
long double LastFigureUnit(const std::string& text);

// The number a text begins with (leading blanks, a sign, digits, a decimal
// point and an exponent); 0 for an empty text or one that begins otherwise.
double TextNumber(const std::string& text);

// A typed field's value: a blank text reads as `blank`; a text that is not
// wholly a number, or one beyond single precision, is refused with a message
// naming the field.
long double FieldNumber(const std::string& text, const std::string& field, long double blank = 0);

// A typed field's value times its unit factor, stored as a single; a blank
// text reads as `blank`. The typed value itself may lie beyond single
// precision: a unit smaller than the internal one shows larger numbers. A
// text that is no number, or a value too large to store, is refused with a
// message naming the field.
float FieldSingle(const std::string& text, float factor, const std::string& field, long double blank = 0);
