// Numbers typed into the beam windows.
#pragma once
#include <string>
#include "Convert.h"  // TextNumber


// An internal value in display units: value / factor, checked.
double Shown(double value, float factor);

// A typed value: a blank text reads as 0; a text that is not wholly a number,
// or one beyond single precision, is refused with a message naming the field.
double FieldNumber(const std::string& text, const std::string& field);
