#include "BeamText.h"
#include <cmath>
#include "Checked.h"
#include "RunError.h"

double Shown(double value, float factor) { return ToDouble(Div(value, factor)); }

double FieldNumber(const std::string& text, const std::string& field) {
    if (text.find_first_not_of(' ') == std::string::npos) return 0;
    long double v = 0;
    try {
        v = StrToFloat(text);
    } catch (const RunError&) {
        throw RunError(field + ": '" + text + "' is not a number");
    }
    if (!(std::fabs(v) <= 3.40282347e38L)) throw RunError(field + ": '" + text + "' is too large");
    return static_cast<double>(v);
}
