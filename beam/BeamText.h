// Numbers typed into the beam windows.
#pragma once
#include <string>

// The number a text begins with (leading blanks, a sign, digits, a decimal
// point and an exponent); 0 for an empty text or one that begins otherwise.
double TextNumber(const std::string& text);

// An internal value in display units: value / factor, checked.
double Shown(double value, float factor);
