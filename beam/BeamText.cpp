#include "BeamText.h"
#include "Checked.h"

double Shown(double value, float factor) { return ToDouble(Div(value, factor)); }
