#include "SigFig.h"
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <utility>
#include "Func_FloatToInt.h"
#include "Global.h"
#include "RunError.h"

namespace {

using Real = long double;

// One step of a ladder: it applies above its threshold; x is rounded to a
// whole number of 10^unitExp and written with the given decimals and width.
struct Step {
    Real threshold;
    int unitExp;
    int decimals;
    int width;
};

struct Ladder {
    Real zeroBound;
    const char* zeroText;
    Real overflowBound;   // the ladder's last step ends here
    int figures;          // significant figures beyond it
    Real offset;          // rounding offset
    bool inclusive;       // thresholds compared with >= rather than >
    std::initializer_list<Step> steps;
};

Real Pow10(int e) {
    Real p = 1;
    for (int i = 0; i < std::abs(e); ++i) p *= 10;
    return p;
}

// Decimal text of k x 10^e with exactly d decimals, the digits beyond the
// d-th rounded half away from zero; right-aligned in width characters.
std::string FixedText(int64_t k, int e, int d, int width) {
    const bool negative = k < 0;
    uint64_t mag = negative ? uint64_t(0) - uint64_t(k) : uint64_t(k);
    int decimals = e < 0 ? -e : 0;
    for (int i = 0; i < e; ++i) mag *= 10;
    if (decimals > d) {
        uint64_t unit = 1;
        for (int i = d; i < decimals; ++i) unit *= 10;
        const uint64_t rest = mag % unit;
        mag = mag / unit + (rest >= unit - rest ? 1 : 0);
        decimals = d;
    }
    std::string digits = std::to_string(mag);
    while (decimals < d) digits += '0', ++decimals;
    if (int(digits.size()) <= d) digits = std::string(d + 1 - digits.size(), '0') + digits;
    std::string text = negative && mag != 0 ? "-" : "";
    text += d > 0 ? digits.substr(0, digits.size() - d) + "." + digits.substr(digits.size() - d) : digits;
    if (int(text.size()) < width) text = std::string(width - text.size(), ' ') + text;
    return text;
}

// x as a whole number of units 10^unitExp, rounded away from zero from the
// offset on.
int64_t InUnits(double x, int unitExp, Real offset) {
    const Real scaled = unitExp >= 0 ? Real(x) / Pow10(unitExp) : Real(x) * Pow10(-unitExp);
    return static_cast<int64_t>(std::trunc(x >= 0 ? scaled + offset : scaled - offset));
}

// Whole numbers up to this magnitude, an exponent beyond.
constexpr Real WholeDigitsBelow = 1e13L;

// A value past the ladder's last step: its figures as a whole number, or
// as a mantissa and exponent ("1.10E+38") where the digits would run long.
std::string Beyond(double x, const Ladder& ladder) {
    char text[64];
    const int n = ladder.figures;
    if (std::fabs(Real(x)) >= WholeDigitsBelow) {
        std::snprintf(text, sizeof text, "%.*LE", n - 1, Real(x));
        return text;
    }
    std::snprintf(text, sizeof text, "%.*Le", n - 1, Real(x));
    const int unitExp = std::atoi(std::strchr(text, 'e') + 1) - n + 1;
    return FixedText(InUnits(x, unitExp, ladder.offset), unitExp, 0, 0);
}

std::string Format(double x, const Ladder& ladder) {
    const Real a = std::fabs(Real(x));
    if (a < ladder.zeroBound) return ladder.zeroText;
    if (!std::isfinite(x)) return "#####";  // no number to show
    if (a > ladder.overflowBound) return Beyond(x, ladder);
    const Step* step = ladder.steps.begin();
    for (const Step& s : ladder.steps)
        if (ladder.inclusive ? a >= s.threshold : a > s.threshold) step = &s;
    return FixedText(InUnits(x, step->unitExp, ladder.offset), step->unitExp, step->decimals, step->width);
}

// The first step of the significant-figure ladders applies to every value
// past the zero test.
constexpr Real First = 0;

const Ladder SF3{9.951e-05L, "0.0", 1e9L, 3, 0.5L, false,
                 {{First, -6, 6, 0},
                  {0.0009995L, -5, 5, 0},
                  {0.009995L, -4, 4, 0},
                  {0.09995L, -3, 3, 0},
                  {0.9995L, -2, 2, 1},
                  {9.995L, -1, 1, 2},
                  {99.95L, 0, 0, 3},
                  {999.5L, 1, 0, 4},
                  {9995.0L, 2, 0, 5},
                  {99950.0L, 3, 0, 6},
                  {999500.0L, 4, 0, 7},
                  {9995000.0L, 5, 0, 8},
                  {99950000.0L, 6, 0, 9},
                  {999500000.0L, 7, 0, 10}}};

const Ladder SF4{9.951e-05L, "0.0", 1e12L, 4, 0.5L, false,
                 {{First, -7, 7, 0},
                  {0.00099995L, -6, 6, 0},
                  {0.0099995L, -5, 5, 0},
                  {0.099995L, -4, 4, 0},
                  {0.99995L, -3, 3, 1},
                  {9.9995L, -2, 2, 2},
                  {99.995L, -1, 1, 3},
                  {999.95L, 0, 0, 4},
                  {9999.5L, 1, 0, 5},
                  {99995.0L, 2, 0, 6},
                  {999950.0L, 3, 0, 7},
                  {9999500.0L, 4, 0, 8},
                  {99995000.0L, 5, 0, 9},
                  {999950000.0L, 6, 0, 10},
                  {9999500000.0L, 7, 0, 11},
                  {99995000000.0L, 8, 0, 12},
                  {999950000000.0L, 9, 0, 13}}};

const Ladder SF5{5e-06L, "0.0", 1e9L, 5, 0.5L, true,
                 {{First, -10, 10, 0},
                  {9.99995e-06L, -9, 9, 0},
                  {9.99995e-05L, -8, 8, 0},
                  {0.000999995L, -7, 7, 0},
                  {0.00999995L, -6, 6, 0},
                  {0.0999995L, -5, 5, 0},
                  {0.999995L, -4, 4, 1},
                  {9.99995L, -3, 3, 2},
                  {99.9995L, -2, 2, 3},
                  {999.995L, -1, 1, 4},
                  {9999.95L, 0, 0, 5},
                  {99999.5L, 1, 0, 6},
                  {999995.0L, 2, 0, 7},
                  {9999950.0L, 3, 0, 8},
                  {99999500.0L, 4, 0, 9},
                  {999995000.0L, 5, 0, 10}}};

// The Dec3 ladders: a first step that every value past the zero bound
// passes (>= 0.0005), then exact powers of ten compared with >.
constexpr Real Dec3Offset = 0.5001L;

const Ladder SF3D3{0.005L, "0.00", 1e9L, 3, Dec3Offset, false,
                   {{First, -5, 3, 0},
                    {0.01L, -4, 3, 0},
                    {0.1L, -3, 3, 0},
                    {1L, -2, 2, 1},
                    {10L, -1, 1, 2},
                    {100L, 0, 0, 3},
                    {1000L, 1, 0, 4},
                    {10000L, 2, 0, 5},
                    {100000L, 3, 0, 6},
                    {1000000L, 4, 0, 7},
                    {10000000L, 5, 0, 8},
                    {100000000L, 6, 0, 9}}};

const Ladder SF4D3{0.0005L, "0.000", 1e9L, 4, Dec3Offset, false,
                   {{First, -5, 3, 0},
                    {0.01L, -4, 3, 0},
                    {0.1L, -3, 3, 0},
                    {1L, -3, 3, 1},
                    {10L, -2, 2, 2},
                    {100L, -1, 1, 3},
                    {1000L, 0, 0, 4},
                    {10000L, 1, 0, 5},
                    {100000L, 2, 0, 6},
                    {1000000L, 3, 0, 7},
                    {10000000L, 4, 0, 8},
                    {100000000L, 5, 0, 9}}};

const Ladder SF5D3{0.0005L, "0.0000", 1e9L, 5, Dec3Offset, false,
                   {{First, -5, 3, 0},
                    {0.01L, -4, 3, 0},
                    {0.1L, -3, 3, 0},
                    {1L, -3, 3, 1},
                    {10L, -3, 3, 2},
                    {100L, -2, 2, 3},
                    {1000L, -1, 1, 4},
                    {10000L, 0, 0, 5},
                    {100000L, 1, 0, 6},
                    {1000000L, 2, 0, 7},
                    {10000000L, 3, 0, 8},
                    {100000000L, 4, 0, 9}}};

}  // namespace

std::string SigFig3(double x) { return Format(x, SF3); }
std::string SigFig4(double x) { return Format(x, SF4); }
std::string SigFig5(double x) { return Format(x, SF5); }
std::string SigFig3Dec3(double x) { return Format(x, SF3D3); }
std::string SigFig4Dec3(double x) { return Format(x, SF4D3); }
std::string SigFig5Dec3(double x) { return Format(x, SF5D3); }

double LadderEnd(std::string (*format)(double)) {
    const std::pair<std::string (*)(double), const Ladder*> ladders[] = {
        {SigFig3, &SF3},         {SigFig4, &SF4},         {SigFig5, &SF5},
        {SigFig3Dec3, &SF3D3}, {SigFig4Dec3, &SF4D3}, {SigFig5Dec3, &SF5D3}};
    for (const auto& [f, ladder] : ladders)
        if (f == format) return double(ladder->overflowBound);
    RaiseRangeCheck();
}

std::string FixedDecimals(double x) {
    const int d = DecimalPlaces;
    const double a = std::fabs(x);
    if (a < 0.0001) {
        static const char* const zero[] = {"0", "0.0", "0.00", "0.000"};
        return zero[d < 0 ? 0 : d > 3 ? 3 : d];
    }
    if (!(a <= 100000)) return SigFig5(x);  // "#####" for NaN and infinities
    if (d <= 0) return std::to_string(static_cast<int64_t>(WholePart(x)));
    // The value itself rounded half away from zero: x times 10^d is exact in
    // the 64-bit mantissa (53 + 10 bits), and so is adding the half.
    static_assert(std::numeric_limits<Real>::digits >= 64);
    const int decimals = d > 3 ? 3 : d;
    const Real scaled = std::fabs(Real(x)) * Pow10(decimals);
    const auto k = static_cast<int64_t>(std::trunc(scaled + 0.5L));
    return FixedText(x < 0 ? -k : k, -decimals, decimals, 5);
}
