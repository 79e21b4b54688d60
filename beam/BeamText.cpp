#include "BeamText.h"
#include <cmath>
#include "Checked.h"
#include "RunError.h"

double Shown(double value, float factor) { return ToDouble(Div(value, factor)); }
