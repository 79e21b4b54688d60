#include "Func_FloatToInt.h"
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include "RunError.h"

int32_t FloatToInt(double x) {
    if (x == 0) return 0;
    const long double r = std::nearbyint(static_cast<long double>(x));   // ties to even
    if (r >= -2147483648.0L && r <= 2147483647.0L) return static_cast<int32_t>(r);
    char text[512];
    std::snprintf(text, sizeof text, "%.0Lf", r);
    RaiseInvalidInteger(text);
}

double WholePart(double x) {
    const double n = std::round(x);
    if (std::fabs(x - n) <= std::fabs(n) * std::numeric_limits<float>::epsilon()) return n;
    return std::trunc(x);
}
