#include <gtest/gtest.h>
#include "ResultTexts.h"
#include "ResultsBeam.h"
#include "ResultsReport.h"

using namespace results_test;

namespace {

using ResultsReport = AnalysedBeam;

TEST_F(ResultsReport, TwoSpanUdlWithOneSectionForAllSpans) {
    TwoSpanUdl(1.0);
    EXPECT_EQ(Lines(ReportText), (Lines_t{"RESULTS", " ", "BEAM DATA", " Length = 10.000 m", "",
                                          " 203 x 133 x 25 UB", " Ixx = 10000 cm^4", "  E  = 205000 N/mm^2",
                                          "  y  = 100 mm", "",
                                          " Span    Length (m)", "  1         5.000", "  2         5.000", ""}));
    EXPECT_EQ(Lines(MaximaText), (Lines_t{"MAXIMA", " Max shear = 31.25 kN", " Max bending moment = 31.25 kN-m",
                                          " Max deflection = 1.651 mm", " Max positive support reaction = 62.50 kN",
                                          " Max stress = 31.25 N/mm^2", ""}));
}

TEST_F(ResultsReport, FactoredLoadsTakeTheFactoredWordingAndDeflectionsStayUnfactored) {
    TwoSpanUdl(1.4);
    EXPECT_EQ(Lines(MaximaText),
              (Lines_t{"MAXIMA", " Max factored shear = 43.75 kN", " Max factored bending moment = 43.75 kN-m",
                       " Max deflection = 1.651 mm", " Max positive factored support reaction = 87.50 kN",
                       " Max factored elastic stress = 43.75 N/mm^2", ""}));
}

TEST_F(ResultsReport, ANegativeReactionAddsItsLine) {
    // Only span 1 loaded: reactions 7wL/16, 10wL/16 and -wL/16.
    TwoSpanUdl(1.0, 5000);
    const Lines_t maxima = Lines(MaximaText);
    ASSERT_EQ(maxima.size(), 8u);
    EXPECT_EQ(maxima[4], " Max positive support reaction = 31.25 kN");
    EXPECT_EQ(maxima[5], " Max negative support reaction = -3.125 kN");
    EXPECT_EQ(maxima[6].substr(0, 14), " Max stress = ");
}

TEST_F(ResultsReport, SpanDataBlockWhenEachMemberHasItsOwnSection) {
    SetBeam({5000, 5000}, 1500);
    SameForAllSpans = -1;
    SpanDescription[LHC] = "Stub";
    SpanDescription[2] = "A description longer than the room";
    Udl(1, 0, 10, 10, 11500, 1.0);
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
    const Lines_t report = Lines(ReportText);
    ASSERT_EQ(report.size(), 10u);
    EXPECT_EQ(report[9], "");
    EXPECT_EQ(report[0], "RESULTS");
    EXPECT_EQ(report[2], "Beam Length = 11.50 m");
    EXPECT_EQ(report[3], " ");
    EXPECT_EQ(report[4], "SPAN DATA");
    EXPECT_EQ(report[5], " Span  Length (m)  E (N/mm^2)  Ixx (cm^4)  y (mm)   Description");
    EXPECT_EQ(report[6], " LHC     1.500       205000    10000       100      Stub");
    EXPECT_EQ(report[7], "  1      5.000       205000    10000       100      203 x 133 x 25 UB");
    // Cut at 75 characters: the description keeps 23.
    EXPECT_EQ(report[8], "  2      5.000       205000    10000       100      A description longer th");

    // Ixx of a 610 UB and a 686 UB in mm^4: whole numbers, apart from E.
    Unit_Sect_I = "mm^4";
    Factor_Sect_I = 1;
    BeamGeometryTable[1][GIxx] = 1.1e9;
    BeamGeometryTable[2][GIxx] = 1.7e9;
    ASSERT_EQ(Analyse(), Lines_t{});
    const Lines_t mm4 = Lines(ReportText);
    EXPECT_EQ(mm4[6], " LHC     1.500       205000 100000000      100      Stub");
    EXPECT_EQ(mm4[7], "  1      5.000       205000 1100000000     100      203 x 133 x 25 UB");
    EXPECT_EQ(mm4[8], "  2      5.000       205000 1700000000     100      A description longer th");
}

TEST_F(ResultsReport, AnUnknownSectionSwitchWritesTheTitleOnly) {
    ReportText.Fill({});
    ReportText[0] = "9";
    SameForAllSpans = 0;
    BuildResultsReport();
    EXPECT_EQ(ReportText[1].str(), "RESULTS");
    EXPECT_EQ(ReportText[2].str(), " ");
    EXPECT_EQ(ReportText[3].str(), "");
    EXPECT_EQ(ReportText[0].str(), "9");
}

}  // namespace
