#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include "ErrorOf.h"
#include "FieldText.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"

TEST(SigFig, ThreeFigures) {
    EXPECT_EQ(SigFig3(0), "0.0");
    EXPECT_EQ(SigFig3(0.00005), "0.0");
    EXPECT_EQ(SigFig3(0.5), "0.500");
    EXPECT_EQ(SigFig3(-2.5), "-2.50");
    EXPECT_EQ(SigFig3(1234.5), "1230");
    EXPECT_EQ(SigFig3(999.6), "1000");
    EXPECT_EQ(SigFig3(1e9), "1000000000");
    EXPECT_EQ(SigFig3(2e9), "2000000000");
    EXPECT_EQ(SigFig3(0.0000996), "0.000100");
    EXPECT_EQ(SigFig3(-1e9 - 1), "-1000000000");
    EXPECT_EQ(SigFig3(1e38), "1.00E+38");
    // Ties round away from zero.
    EXPECT_EQ(SigFig3(2.125), "2.13");
    EXPECT_EQ(SigFig3(-2.125), "-2.13");
    EXPECT_EQ(SigFig3(1235), "1240");
    EXPECT_EQ(SigFig3(999.5), "1000");
}

TEST(SigFig, FourAndFiveFigures) {
    EXPECT_EQ(SigFig4(12345.6), "12350");
    EXPECT_EQ(SigFig4(1.5e12), "1500000000000");
    EXPECT_EQ(SigFig4(2e9), "2000000000");
    EXPECT_EQ(SigFig4(0), "0.0");
    EXPECT_EQ(SigFig5(0.000001), "0.0");
    EXPECT_EQ(SigFig5(0.00001234), "0.000012340");
    EXPECT_EQ(SigFig5(123456), "123460");
    EXPECT_EQ(SigFig5(-123456), "-123460");
    EXPECT_EQ(SigFig5(1.1e9), "1100000000");   // Ixx of a 610 UB in mm^4
    EXPECT_EQ(SigFig5(-2.05e13), "-2.0500E+13");
    // Ties round away from zero.
    EXPECT_EQ(SigFig4(2.0625), "2.063");
    EXPECT_EQ(SigFig4(-12345), "-12350");
    EXPECT_EQ(SigFig5(2.03125), "2.0313");
    EXPECT_EQ(SigFig5(-123455), "-123460");
}

TEST(SigFig, ThreeDecimalVariants) {
    EXPECT_EQ(SigFig3Dec3(0.004), "0.00");
    EXPECT_EQ(SigFig3Dec3(0.0123), "0.012");
    EXPECT_EQ(SigFig3Dec3(9.9996), "10.00");
    EXPECT_EQ(SigFig3Dec3(10), "10.00");
    EXPECT_EQ(SigFig3Dec3(100), "100.0");
    EXPECT_EQ(SigFig3Dec3(1000), "1000");
    EXPECT_EQ(SigFig3Dec3(1234), "1230");
    EXPECT_EQ(SigFig3Dec3(1.001), "1.00");
    EXPECT_EQ(SigFig3Dec3(2e9), "2000000000");
    EXPECT_EQ(SigFig4Dec3(1.23456e9), "1235000000");
    EXPECT_EQ(SigFig4Dec3(0.0004), "0.000");
    EXPECT_EQ(SigFig4Dec3(0.003), "0.003");
    EXPECT_EQ(SigFig3Dec3(0.003), "0.00");
    EXPECT_EQ(SigFig4Dec3(1.23456), "1.235");
    EXPECT_EQ(SigFig4Dec3(1234.4), "1234");
    EXPECT_EQ(SigFig4Dec3(-1.23456), "-1.235");
    EXPECT_EQ(SigFig5Dec3(0.0004), "0.0000");
    EXPECT_EQ(SigFig5Dec3(12.3456), "12.346");
    // The rounding offset 0.5001: a scaled fraction of 0.4999 rounds up.
    EXPECT_EQ(SigFig3Dec3(1.2349995), "1.24");
    EXPECT_EQ(SigFig3(1.2349995), "1.23");
    // Below 0.1 the value is first rounded to four or five decimals, and that
    // value's tie at the third rounds away from zero.
    EXPECT_EQ(SigFig3Dec3(0.0125), "0.013");
    EXPECT_EQ(SigFig3Dec3(-0.0125), "-0.013");
    EXPECT_EQ(SigFig4Dec3(0.0015), "0.002");
    EXPECT_EQ(SigFig5Dec3(0.0125), "0.013");
    EXPECT_EQ(SigFig5Dec3(0.0014996), "0.002");   // 0.00150 first
    EXPECT_EQ(SigFig3Dec3(2.125), "2.13");
}

TEST(SigFig, FixedDecimals) {
    DecimalPlaces = 2;
    EXPECT_EQ(FixedDecimals(0.00005), "0.00");
    EXPECT_EQ(FixedDecimals(1.5), " 1.50");
    EXPECT_EQ(FixedDecimals(123456), "123460");
    // The value itself is rounded, not its shortest text "1.605" or "2.675".
    EXPECT_EQ(FixedDecimals(10.7 * 0.15), " 1.60");
    EXPECT_EQ(FixedDecimals(10.7 * 0.25), " 2.67");
    EXPECT_EQ(FixedDecimals(-2.675), "-2.67");
    EXPECT_EQ(FixedDecimals(0.125), " 0.13");   // an exact half goes away from zero
    DecimalPlaces = 1;
    EXPECT_EQ(FixedDecimals(1.5), "  1.5");
    EXPECT_EQ(FixedDecimals(0.25), "  0.3");
    EXPECT_EQ(FixedDecimals(-0.25), " -0.3");
    EXPECT_EQ(FixedDecimals(0), "0.0");
    DecimalPlaces = 3;
    EXPECT_EQ(FixedDecimals(0), "0.000");
    EXPECT_EQ(FixedDecimals(12345.6789), "12345.679");
    EXPECT_EQ(FixedDecimals(0.0625), "0.063");
    DecimalPlaces = 0;
    EXPECT_EQ(FixedDecimals(2.7), "2");
    EXPECT_EQ(FixedDecimals(-2.7), "-2");
    EXPECT_EQ(FixedDecimals(0), "0");
    EXPECT_EQ(FixedDecimals(123456), "123460");
    EXPECT_EQ(FixedDecimals(1.7e9), "1700000000");
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
    EXPECT_EQ(FloatToInt(0), 0);
    EXPECT_EQ(FloatToInt(2.5), 2);
    EXPECT_EQ(FloatToInt(3.5), 4);
    EXPECT_EQ(FloatToInt(-2.5), -2);
    EXPECT_EQ(FloatToInt(-0.4), 0);
    EXPECT_EQ(FloatToInt(1.0), 1);
    EXPECT_EQ(FloatToInt(-2147483648.0), INT32_MIN);
    EXPECT_EQ(FloatToInt(2147483647.4), INT32_MAX);
}

TEST(FloatToInt, OutOfRangeRaisesConversionError) {
    EXPECT_EQ(ErrorOf([] { FloatToInt(3e9); }), "'3000000000' is not a valid integer value");
    EXPECT_THROW(FloatToInt(-2147483649.0), RunError);
}
