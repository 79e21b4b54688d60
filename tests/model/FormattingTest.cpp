#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>
#include "ErrorOf.h"
#include "FieldText.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"

// Each format's texts. At the edges of every step: a hair below the least
// value that takes the next step near a power of ten, the power itself, and
// a hair above that least value or, where both steps write the same whole
// number there, the least value above that both do not. Likewise either
// side of the bound below which a format writes zero.
TEST(SigFig, Texts) {
    const struct {
        const char* name;
        std::string (*format)(double);
        std::vector<std::pair<double, const char*>> texts;
    } formats[] = {
        {"SigFig3", SigFig3,
         {{0, "0.0"}, {0.00005, "0.0"}, {0.5, "0.500"}, {-2.5, "-2.50"}, {1234.5, "1230"}, {999.6, "1000"},
          {1e9, "1000000000"}, {2e9, "2000000000"}, {0.0000996, "0.000100"}, {-1e9 - 1, "-1000000000"},
          {1e38, "1.00E+38"},
          // Ties round away from zero.
          {2.125, "2.13"}, {-2.125, "-2.13"}, {1235, "1240"}, {999.5, "1000"},
          {1.2349995, "1.23"},  // "1.24" with the Dec3 rounding offset
          {9.994999e-4, "0.000999"}, {1e-3, "0.00100"}, {9.994999e-3, "0.00999"}, {1e-2, "0.0100"},
          {9.994999e-2, "0.0999"}, {1e-1, "0.100"}, {9.994999e-1, "0.999"}, {1, "1.00"}, {9.994999, "9.99"},
          {10, "10.0"}, {9.994999e1, "99.9"}, {1e2, "100"}, {9.994999e2, "999"}, {1e3, "1000"}, {9.994999e3, "9990"},
          {1e4, "10000"}, {9.994999e4, "99900"}, {1e5, "100000"}, {9.994999e5, "999000"}, {1e6, "1000000"},
          {9.994999e6, "9990000"}, {1e7, "10000000"}, {9.994999e7, "99900000"}, {1e8, "100000000"},
          {9.994999e8, "999000000"},
          {9.995001e-4, "0.00100"}, {9.995001e-3, "0.0100"}, {9.995001e-2, "0.100"}, {9.995001e-1, "1.00"},
          {9.995001, "10.0"}, {9.995001e1, "100"}, {1.000501e3, "1000"}, {1.000501e4, "10000"},
          {1.000501e5, "100000"}, {1.000501e6, "1000000"}, {1.000501e7, "10000000"}, {1.000501e8, "100000000"},
          {9.9509e-5, "0.0"}, {9.9511e-5, "0.000100"}}},
        {"SigFig4", SigFig4,
         {{12345.6, "12350"}, {1.5e12, "1500000000000"}, {2e9, "2000000000"}, {0, "0.0"},
          // Ties round away from zero.
          {2.0625, "2.063"}, {-12345, "-12350"},
          {9.9994999e-4, "0.0009999"}, {1e-3, "0.001000"}, {9.9994999e-3, "0.009999"}, {1e-2, "0.01000"},
          {9.9994999e-2, "0.09999"}, {1e-1, "0.1000"}, {9.9994999e-1, "0.9999"}, {1, "1.000"}, {9.9994999, "9.999"},
          {10, "10.00"}, {9.9994999e1, "99.99"}, {1e2, "100.0"}, {9.9994999e2, "999.9"}, {1e3, "1000"},
          {9.9994999e3, "9999"}, {1e4, "10000"}, {9.9994999e4, "99990"}, {1e5, "100000"}, {9.9994999e5, "999900"},
          {1e6, "1000000"}, {9.9994999e6, "9999000"}, {1e7, "10000000"}, {9.9994999e7, "99990000"},
          {1e8, "100000000"}, {9.9994999e8, "999900000"}, {1e9, "1000000000"}, {9.9994999e9, "9999000000"},
          {1e10, "10000000000"}, {9.9994999e10, "99990000000"}, {1e11, "100000000000"},
          {9.9994999e11, "999900000000"}, {1e12, "1000000000000"},
          {9.9995001e-4, "0.001000"}, {9.9995001e-3, "0.01000"}, {9.9995001e-2, "0.1000"}, {9.9995001e-1, "1.000"},
          {9.9995001, "10.00"}, {9.9995001e1, "100.0"}, {9.9995001e2, "1000"}, {1.0000501e4, "10000"},
          {1.0000501e5, "100000"}, {1.0000501e6, "1000000"}, {1.0000501e7, "10000000"},
          {1.0000501e8, "100000000"}, {1.0000501e9, "1000000000"}, {1.0000501e10, "10000000000"},
          {1.0000501e11, "100000000000"}, {9.9509e-5, "0.0"}, {9.9511e-5, "0.0000995"}}},
        {"SigFig5", SigFig5,
         {{0.000001, "0.0"}, {0.00001234, "0.000012340"}, {123456, "123460"}, {-123456, "-123460"},
          {1.1e9, "1100000000"},  // Ixx of a 610 UB in mm^4
          {-2.05e13, "-2.0500E+13"},
          // Ties round away from zero.
          {2.03125, "2.0313"}, {-123455, "-123460"},
          {9.9999499e-6, "0.0000099999"}, {1e-5, "0.000010000"}, {9.9999499e-5, "0.000099999"},
          {1e-4, "0.00010000"}, {9.9999499e-4, "0.00099999"}, {1e-3, "0.0010000"}, {9.9999499e-3, "0.0099999"},
          {1e-2, "0.010000"}, {9.9999499e-2, "0.099999"}, {1e-1, "0.10000"}, {9.9999499e-1, "0.99999"},
          {1, "1.0000"}, {9.9999499, "9.9999"}, {10, "10.000"}, {9.9999499e1, "99.999"}, {1e2, "100.00"},
          {9.9999499e2, "999.99"}, {1e3, "1000.0"}, {9.9999499e3, "9999.9"}, {1e4, "10000"},
          {9.9999499e4, "99999"}, {1e5, "100000"}, {9.9999499e5, "999990"}, {1e6, "1000000"},
          {9.9999499e6, "9999900"}, {1e7, "10000000"}, {9.9999499e7, "99999000"}, {1e8, "100000000"},
          {9.9999499e8, "999990000"}, {1e9, "1000000000"},
          {9.9999501e-6, "0.000010000"}, {9.9999501e-5, "0.00010000"}, {9.9999501e-4, "0.0010000"},
          {9.9999501e-3, "0.010000"}, {9.9999501e-2, "0.10000"}, {9.9999501e-1, "1.0000"}, {9.9999501, "10.000"},
          {9.9999501e1, "100.00"}, {9.9999501e2, "1000.0"}, {9.9999501e3, "10000"}, {1.00000501e5, "100000"},
          {1.00000501e6, "1000000"}, {1.00000501e7, "10000000"}, {1.00000501e8, "100000000"},
          {4.9999e-6, "0.0"}, {5.0001e-6, "0.0000050001"}}},
        // The Dec3 formats keep the finer step at a power of ten. Below 0.1
        // the value is first rounded to four or five decimals, and that
        // value's tie at the third rounds away from zero: only such a tie
        // shows the steps at 0.01 and 0.1 apart.
        {"SigFig3Dec3", SigFig3Dec3,
         {{0.004, "0.00"}, {0.0123, "0.012"}, {9.9996, "10.00"}, {1234, "1230"}, {1.001, "1.00"},
          {2e9, "2000000000"}, {0.003, "0.00"},
          // The rounding offset 0.5001: a scaled fraction of 0.4999 rounds up.
          {1.2349995, "1.24"}, {0.0125, "0.013"}, {-0.0125, "-0.013"}, {2.125, "2.13"},
          {0.009494, "0.009"}, {1e-2, "0.010"}, {0.099494, "0.100"}, {1e-1, "0.100"}, {9.9949e-1, "0.999"},
          {1, "1.000"}, {9.9949, "9.99"}, {10, "10.00"}, {9.9949e1, "99.9"}, {1e2, "100.0"}, {9.9949e2, "999"},
          {1e3, "1000"}, {9.9949e3, "9990"}, {1e4, "10000"}, {9.9949e4, "99900"}, {1e5, "100000"},
          {9.9949e5, "999000"}, {1e6, "1000000"}, {9.9949e6, "9990000"}, {1e7, "10000000"},
          {9.9949e7, "99900000"}, {1e8, "100000000"},
          {0.01045, "0.011"}, {0.10045, "0.100"}, {1.000001, "1.00"}, {10.00001, "10.0"}, {100.0001, "100"},
          {1.0005e3, "1000"}, {1.0005e4, "10000"}, {1.0005e5, "100000"}, {1.0005e6, "1000000"},
          {1.0005e7, "10000000"}, {1.0005e8, "100000000"}, {0.0049999, "0.00"}, {0.0050001, "0.005"}}},
        {"SigFig4Dec3", SigFig4Dec3,
         {{1.23456e9, "1235000000"}, {0.0004, "0.000"}, {0.003, "0.003"}, {1.23456, "1.235"}, {1234.4, "1234"},
          {-1.23456, "-1.235"}, {0.0015, "0.002"},
          {0.009494, "0.009"}, {1e-2, "0.010"}, {0.099494, "0.100"}, {1e-1, "0.100"}, {9.9949e-1, "0.999"},
          {1, "1.000"}, {9.99949, "9.999"}, {10, "10.000"}, {9.99949e1, "99.99"}, {1e2, "100.00"},
          {9.99949e2, "999.9"}, {1e3, "1000.0"}, {9.99949e3, "9999"}, {1e4, "10000"}, {9.99949e4, "99990"},
          {1e5, "100000"}, {9.99949e5, "999900"}, {1e6, "1000000"}, {9.99949e6, "9999000"},
          {1e7, "10000000"}, {9.99949e7, "99990000"}, {1e8, "100000000"},
          {0.01045, "0.011"}, {0.10045, "0.100"}, {10.00001, "10.00"}, {100.0001, "100.0"}, {1000.001, "1000"},
          {1.00005e4, "10000"}, {1.00005e5, "100000"}, {1.00005e6, "1000000"}, {1.00005e7, "10000000"},
          {1.00005e8, "100000000"}, {0.00049999, "0.000"}, {0.00050001, "0.001"}}},
        {"SigFig5Dec3", SigFig5Dec3,
         {{0.0004, "0.0000"}, {12.3456, "12.346"}, {0.0125, "0.013"},
          {0.0014996, "0.002"},  // 0.00150 first
          {0.009494, "0.009"}, {1e-2, "0.010"}, {0.099494, "0.100"}, {1e-1, "0.100"}, {9.9949e-1, "0.999"},
          {1, "1.000"}, {9.99949, "9.999"}, {10, "10.000"}, {9.999949e1, "99.999"}, {1e2, "100.000"},
          {9.999949e2, "999.99"}, {1e3, "1000.00"}, {9.999949e3, "9999.9"}, {1e4, "10000.0"},
          {9.999949e4, "99999"}, {1e5, "100000"}, {9.999949e5, "999990"}, {1e6, "1000000"},
          {9.999949e6, "9999900"}, {1e7, "10000000"}, {9.999949e7, "99999000"}, {1e8, "100000000"},
          {0.01045, "0.011"}, {0.10045, "0.100"}, {100.0001, "100.00"}, {1000.001, "1000.0"}, {10000.01, "10000"},
          {1.000005e5, "100000"}, {1.000005e6, "1000000"}, {1.000005e7, "10000000"}, {1.000005e8, "100000000"},
          {0.00049999, "0.0000"}, {0.00050001, "0.001"}}},
    };
    for (const auto& f : formats)
        for (const auto& [x, text] : f.texts)
            EXPECT_EQ(f.format(x), text) << f.name << "(" << testing::PrintToString(x) << ")";
}

// A value typed in the unit of `factor` as the fields store it, shown again.
double Typed(const char* text, float factor) { return FieldStored(text, factor, FieldRule::Single, "") / factor; }

TEST(SigFig, FixedDecimals) {
    const struct {
        int places;
        double x;
        const char* text;
    } rows[] = {
        {2, 0.00005, "0.00"}, {2, 1.5, " 1.50"}, {2, 123456, "123460"},
        // The value itself is rounded, not its shortest text "1.605" or "2.675".
        {2, 10.7 * 0.15, " 1.60"}, {2, 10.7 * 0.25, " 2.67"}, {2, -2.675, "-2.67"},
        {2, 0.125, " 0.13"},  // an exact half goes away from zero
        {1, 1.5, "  1.5"}, {1, 0.25, "  0.3"}, {1, -0.25, " -0.3"}, {1, 0, "0.0"},
        {3, 0, "0.000"}, {3, 12345.6789, "12345.679"}, {3, 0.0625, "0.063"}, {3, 0.00051, "0.001"},
        {0, 2.7, "2"}, {0, -2.7, "-2"}, {0, 0, "0"}, {0, 123456, "123460"}, {0, 1.7e9, "1700000000"},
        // Whole to within single precision: typed in a unit, stored, shown again.
        {0, Typed("2903", 25.4f), "2903"}, {0, Typed("-2903", 25.4f), "-2903"}, {0, Typed("1001", 304.8f), "1001"},
        {0, Typed("7", 304.8f), "7"}, {0, 2902.9995, "2902"},
    };
    for (const auto& r : rows) {
        DecimalPlaces = r.places;
        EXPECT_EQ(FixedDecimals(r.x), r.text) << r.places << " places, " << testing::PrintToString(r.x);
    }
}

// Every double gets a text; one that is no number shows as beyond range.
TEST(SigFig, NonFiniteValuesShowAsBeyondRange) {
    DecimalPlaces = 0;
    for (double x : {std::nan(""), -std::nan(""), HUGE_VAL, -HUGE_VAL})
        for (auto format : {SigFig3, SigFig4, SigFig5, SigFig3Dec3, SigFig4Dec3, SigFig5Dec3, FixedDecimals})
            EXPECT_EQ(format(x), "#####") << x;
}

// A value comes back as the text that reads back as it: the format's where
// it does, else the fewest figures that do. Each value here was typed as the
// expected text, so that text reads back; fewer figures name another single.
TEST(ReadBack, ShortestTextThatReadsBackAsTheValue) {
    const struct {
        const char* what;
        std::function<std::string()> text;
        const char* expected;
    } rows[] = {
        // A load: the typed value times the factor, as a single (the single
        // of 4.01 times 1000 is another).
        {"4.01 kN", [] { return ReadBackText(float(4.01L * 1000), 1000, SigFig3); }, "4.01"},
        {"1.2345 N", [] { return ReadBackText(1.2345f, 1, SigFig3); }, "1.2345"},
        {"1.0000001 N", [] { return ReadBackText(1.0000001f, 1, SigFig3); }, "1.0000001"},
        {"1234.56 N in a field", [] { return FieldText(1234.56f, 1, FieldRule::Single, CharactersFit(7), SigFig3); }, "1234.56"},
        // A member: the typed value as a single, times the factor, as a double.
        {"1.0000002 m", [] { return ReadBackMemberText(double(1.0000002f) * 1000, 1000, SigFig4); }, "1.0000002"},
        {"1.7000009 ft",
         [] { return ReadBackMemberText(double((long double)1.7000009f * 304.8f), 304.8f, SigFig4); }, "1.7000009"},
        // 1.700001 names another single, whose product rounds to the same
        // single as this one's but to another double.
        {"1.7000009 ft in a field",
         [] { return FieldText(double((long double)1.7000009f * 304.8f), 304.8f, FieldRule::Member, CharactersFit(11), SigFig4); },
         "1.7000009"},
        // 1 mm, where no text in feet gives back the double (1 / 304.8f is no
        // single): the fewest figures that give back its single.
        {"1 mm in ft", [] { return ReadBackMemberText(1.0, 304.8f, SigFig4); }, "0.00328084"},
        {"1.0000002 m in a field",
         [] { return FieldText(double(1.0000002f) * 1000, 1000, FieldRule::Member, CharactersFit(11), SigFig4); }, "1.0000002"},
        {"0.1 m in a field", [] { return FieldText(double(0.1f) * 1000, 1000, FieldRule::Member, CharactersFit(11), SigFig4); },
         "0.1000"},
    };
    for (const auto& r : rows) EXPECT_EQ(r.text(), r.expected) << r.what;
}

TEST(FloatToInt, RoundsTiesToEven) {
    const std::pair<double, int> rows[] = {{0, 0}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.4, 0}, {1.0, 1},
                                           {-2147483648.0, INT32_MIN}, {2147483647.4, INT32_MAX}};
    for (const auto& [x, n] : rows) EXPECT_EQ(FloatToInt(x), n) << testing::PrintToString(x);
}

TEST(FloatToInt, OutOfRangeRaisesConversionError) {
    EXPECT_EQ(ErrorOf([] { FloatToInt(3e9); }), "'3000000000' is not a valid integer value");
    EXPECT_THROW(FloatToInt(-2147483649.0), RunError);
}
