// Numbers typed into the beam windows.
#pragma once
#include <string>
#include "Convert.h"  // TextNumber, FieldNumber

// An internal value in display units: value / factor, checked.
double Shown(double value, float factor);
