#include <gtest/gtest.h>
#include "FieldText.h"
#include "Global.h"
#include "ResultTexts.h"
#include "TextStore.h"

namespace {

TEST(TextLayout, HeadingsCentreOnTheirColumnAndNumbersAlignOnThePoint) {
    // Half the heading's length (rounded down) stands before the column.
    EXPECT_EQ(TextLine(" Int").Centre(10, "(m)").str(), " Int     (m)");
    EXPECT_EQ(TextLine(" Int").Centre(10, "(mm)").str(), " Int    (mm)");
    // A heading that no longer fits follows at once.
    EXPECT_EQ(TextLine("0123456789").Centre(4, "(m)").str(), "0123456789(m)");

    // The point of the number stands in the column.
    EXPECT_EQ(TextLine("  1").Align(14, "6.000", PointRule::A).str(), "  1         6.000");
    EXPECT_EQ(TextLine("  1").Align(14, "-6.000", PointRule::A).str(), "  1        -6.000");
    // Without a point: rule A ends one column before, rule B in the column.
    // A number never touches the text before it.
    EXPECT_EQ(TextLine("  1").Align(10, "205000", PointRule::A).str(), "  1 205000");
    EXPECT_EQ(TextLine("  1").Align(14, "205000", PointRule::A).str(), "  1    205000");
    EXPECT_EQ(TextLine("  1").Align(14, "205000", PointRule::B).str(), "  1     205000");
    EXPECT_EQ(TextLine("0123456789").Align(5, "1.5", PointRule::A).str(), "0123456789 1.5");
    EXPECT_EQ(TextLine("ab").PadTo(5).Add("|").PadTo(3).str(), "ab   |");
}

TEST(TextLayout, DigitRuleGivesTheDecimalsOfAColumnFromItsLargestMagnitude) {
    const int thresholds[] = {3, 4, 5};
    // Rows of the table: d = 1, 2, 3, 4, 5 digits of the largest magnitude;
    // 1000 Kips typed and stored comes back as 999.99996, whole all the same.
    const double kips = FieldStored("1000", 4448.22f, FieldRule::Single, "") / 4448.22f;
    const double largest[] = {0.4, 12.5, 999.9, kips, 123456};
    const int expected[3][5] = {{2, 1, 0, 0, 0}, {3, 2, 1, 0, 0}, {3, 3, 2, 1, 0}};
    for (int t = 0; t < 3; ++t)
        for (int d = 0; d < 5; ++d) {
            DigitRule rule;
            rule.Take(-largest[d]);  // magnitudes count
            rule.Take(0.1);
            EXPECT_EQ(rule.Decimals(thresholds[t]), expected[t][d]) << thresholds[t] << " " << largest[d];
        }
    EXPECT_EQ(DigitRule().Decimals(4), 3);  // nothing taken: "0" has one digit
}

TEST(TextLayout, ClearResultLinesEmptiesTheStoresOfTheLoadcasesCounted) {
    NumLoadcases = 3;
    InitResultTexts();
    EXPECT_EQ(CaseLoadsText[3][0].str(), "0");
    EXPECT_EQ(CaseStressLine[3].str(), " ");
    CaseSupportText[4][1] = "kept";
    CaseStressLine[6] = "kept";
    EnvelopeText[0] = "7";
    ReportText[0] = "3";
    ClearResultLines();
    EXPECT_EQ(CaseLoadsText[3][0].str(), "");
    EXPECT_EQ(CaseStressLine[3].str(), "") << "loadcases 1 to 5";
    EXPECT_EQ(CaseStressLine[6].str(), "kept");
    EXPECT_EQ(CaseSupportText[4][1].str(), "kept") << "beyond NumLoadcases";
    EXPECT_EQ(EnvelopeText[0].str(), "7") << "line 0 of the envelope is left";
    EXPECT_EQ(ReportText[0].str(), "");

    // More loadcases than span-data stores (after a file, before an analysis).
    NumLoadcases = 5;
    EXPECT_NO_THROW(ClearResultLines());
    NumLoadcases = 0;
}

}  // namespace
