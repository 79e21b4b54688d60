// The texts an analysis writes: each loadcase's, the envelope, the loading
// data and the report with its maxima.
#include <gtest/gtest.h>
#include "FieldText.h"
#include "LoadingDataText.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"
#include "ResultsReport.h"

using namespace results_test;

namespace {

using CaseTexts = AnalysedBeam;
using Envelope = AnalysedBeam;
using LoadingData = AnalysedBeam;
using ResultsReport = AnalysedBeam;

// Two spans of 5 m. Loadcase 1: 10 kN/m over both spans (reactions 18.75,
// 62.5, 18.75 kN; span moments 9wL^2/128 and -wL^2/8). Loadcase 2: the self
// weight (0.5 kN/m, factor 1.4) and a point load of 20 kN at 2.5 m. Slot 2 is
// a distributed load applied nowhere whose finish rate of 150 kN/m gives the
// finish-rate column one decimal.
void TwoLoadcases() {
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, 10000, 1.0, {1});
    Udl(2, 0, 1, 150, 1000, 1.0, {});
    Point(3, 2500, 20000, 1.0, {2});
    Udl(SelfWeightSlot, 0, 0.5, 0.5, 10000, 1.4, {2});
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
}

TEST_F(CaseTexts, AppliedLoadsOfEachLoadcase) {
    TwoLoadcases();
    EXPECT_EQ(Lines(CaseLoadsText[1]),
              (Lines_t{"LOADCASE 1", "", "", "APPLIED LOADS ", " UDL",
                       " No    Distance     Start UDL     Finish UDL      Cover  Load Factor",
                       "         (m)         (kN/m)        (kN/m)          (m)",
                       "  1" "     0.000" "        10.00" "         10.0" "          10.00" "      1.000",
                       "", " Point Loads", " No     Load       Distance    Load Factor", "        (kN)           (m)",
                       "", "", ""}));
    // The self weight comes last among the distributed loads, both rates with
    // the larger of the two columns' decimals.
    const Lines_t second = Lines(CaseLoadsText[2]);
    ASSERT_EQ(second.size(), 16u);
    EXPECT_EQ(second[7], " S/Wt" "   0.000" "         0.50" "          0.50" "         10.00" "      1.40");
    EXPECT_EQ(second[8], "");
    EXPECT_EQ(second[12], "  3" "    20.00" "          2.500" "         1.000");
    EXPECT_EQ(second[13], "");
    EXPECT_EQ(second[15], "");
}

// The support heading follows the factored-loads preference.
TEST_F(CaseTexts, SupportsAndSpanSummary) {
    TwoLoadcases();
    FactoredLoads = 1;
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(CaseSupportText[1][2].str(), " Support   Factored Reaction");
    FactoredLoads = -1;
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(Lines(CaseSupportText[1]),
              (Lines_t{"SUPPORTS", " Support       Reaction", " No             (kN)",
                       "  1             18.750", "  2             62.500", "  3             18.750", "",
                       "SPAN SUMMARY", " Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection",
                       " No" "          (kN)" "         (kN-m)" "        (kN-m)" "         (mm)",
                       "  1" "         31.250" "        17.578" "       -31.250" "         1.651",
                       "  2" "         31.250" "        17.578" "       -31.250" "         1.651",
                       "", ""}));
    EXPECT_EQ(SpanLabelText[1][0], "");
    EXPECT_EQ(SpanLabelText[1][2], "2");
    EXPECT_EQ(SpanLabelText[1][3], "");
}

TEST_F(CaseTexts, SpanDataAtTwentiethsAndTheStressLine) {
    TwoLoadcases();
    const Lines_t data = Lines(CaseSpanDataText[1]);
    ASSERT_EQ(data.size(), 54u);
    EXPECT_EQ(data[0], "");
    EXPECT_EQ(data[1], "SPAN DATA at 1/20th SPAN INTERVALS");
    EXPECT_EQ(data[2], " Span 1");
    EXPECT_EQ(data[3], " Span     Distance       Shear         Moment      Deflection");
    EXPECT_EQ(data[4], " Interval" "     (m)" "          (kN)" "         (kN-m)" "         (mm)");
    // V = 3wL/8 - wx, M = 3wLx/8 - wx^2/2; deflection by Simpson's rule.
    EXPECT_EQ(data[5], "  1" "          0.000" "        18.750" "         0.000" "         0.000");
    EXPECT_EQ(data[13], "  9" "          2.000" "        -1.250" "        17.500" "        -1.646");
    EXPECT_EQ(data[14], " 10" "          2.250" "        -3.750" "        16.875" "        -1.651");
    EXPECT_EQ(data[25], " 21" "          5.000" "       -31.250" "       -31.250" "         0.000");
    EXPECT_EQ(data[26], " ");
    EXPECT_EQ(data[27], " Span 2");
    EXPECT_EQ(data[51], " ");
    EXPECT_EQ(data[52], " ");
    EXPECT_EQ(data[53], "");

    // The self weight of loadcase 2 has factor 1.4: factored wording for all.
    EXPECT_EQ(CaseStressLine[1].str(), " Max factored elastic stress for loadcase 1 = 31.25 N/mm^2");
}

TEST_F(CaseTexts, StressLinesNeedAnExtremeFibreDistance) {
    SetBeam({5000, 5000});
    for (int s = 1; s <= 2; ++s) BeamGeometryTable[s][GY] = 0;
    Udl(1, 0, 10, 10, 10000, 1.0, {1, 6});
    FinishLoads();
    MaxStressLine = "from before";
    ASSERT_EQ(Analyse(), Lines_t{});
    // Lines 1 to 5 are emptied, the others start as one blank; neither is
    // written, and no stress of an earlier beam is left.
    EXPECT_EQ(CaseStressLine[1].str(), "");
    EXPECT_EQ(CaseStressLine[6].str(), " ");
    EXPECT_EQ(MaxStressLine.str(), "");
    EXPECT_EQ(MaximaText[6].str(), "");

    // y on span 2 only, every factor 1.0: the plain wording. A y typed
    // negative is as far from the neutral axis.
    for (double y : {200.0, -200.0}) {
        BeamGeometryTable[2][GY] = y;
        ASSERT_EQ(Analyse(), Lines_t{});
        EXPECT_EQ(CaseStressLine[6].str(), " Max stress for loadcase 6 = 62.50 N/mm^2");
        EXPECT_EQ(MaxStressLine.str(), " Max stress = 62.50 N/mm^2");
    }
}

TEST_F(CaseTexts, CantileversHaveTheirOwnRowsAndBlocks) {
    // A 5 m span and two 1 m cantilevers: 10 kN/m down over the left
    // cantilever and the span, 10 kN/m up over the right one.
    SetBeam({5000}, 1000, 1000);
    Udl(1, 0, 10, 10, 6000, 1.0);
    Udl(2, 6000, -10, -10, 1000, 1.0);
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
    const Lines_t support = Lines(CaseSupportText[1]);
    ASSERT_EQ(support.size(), 13u);
    // The cantilevers' moments run from 0 at their tips to -wa^2/2 and
    // +wa^2/2 at the supports. The span's moment -5 + 27x - 5x^2 turns its
    // ends by 47.92 and 56.25 kN-m^2 / EI: the tips rise by that times 1 m,
    // less and plus wa^4/8EI.
    EXPECT_EQ(support[9], " LHC" "        10.000" "         0.000" "        -5.000" "         2.276");
    EXPECT_EQ(support[10].substr(0, 4), "  1 ");
    EXPECT_EQ(support[11], " RHC" "        10.000" "         5.000" "         0.000" "         2.805");
    EXPECT_EQ(support[12], "") << "one line after the right cantilever";
    EXPECT_EQ(SpanLabelText[1][0], "LHC");
    EXPECT_EQ(SpanLabelText[1][2], "RHC");

    const Lines_t data = Lines(CaseSpanDataText[1]);
    ASSERT_EQ(data.size(), 78u);
    EXPECT_EQ(data[2], "LHC");
    // Left cantilever from its free end to the support: shear 0 to -wa.
    EXPECT_EQ(data[5].substr(0, 32), "  1" "          0.000" "         0.000");
    EXPECT_EQ(data[25].substr(0, 32), " 21" "          1.000" "       -10.000");
    EXPECT_EQ(data[26], " ");
    EXPECT_EQ(data[27], " Span 1");
    EXPECT_EQ(data[52], " RHC");
    // Right cantilever, loaded upwards, from the support to its tip: shear -wa to 0.
    EXPECT_EQ(data[55].substr(0, 32), "  1" "          0.000" "       -10.000");
    EXPECT_EQ(data[75].substr(0, 32), " 21" "          1.000" "         0.000");
    EXPECT_EQ(data[76], " ") << "no blank line of its own after the right cantilever";
}

// Two spans of 5 m and an unloaded 1 m right cantilever; 10 kN/m on both
// spans (loadcase 1), on span 1 (2), on span 2 (3).
void ThreeLoadcases() {
    SetBeam({5000, 5000}, 0, 1000);
    Udl(1, 0, 10, 10, 10000, 1.0, {1});
    Udl(2, 0, 10, 10, 5000, 1.0, {2});
    Udl(3, 5000, 10, 10, 5000, 1.0, {3});
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
}

TEST_F(Envelope, ThreeLoadcasesWithTheirGoverningLoadcases) {
    ThreeLoadcases();
    const Lines_t env = Lines(EnvelopeText);
    ASSERT_EQ(env.size(), 78u);
    EXPECT_EQ(env[0], "RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    EXPECT_EQ(env[1], "");
    EXPECT_EQ(env[2], "");
    EXPECT_EQ(env[3], " Span 1");
    EXPECT_EQ(env[4], " Span  Distance    Max shear       +ve Moment      -ve Moment");
    EXPECT_EQ(env[5], " Int     (m)         (kN)            (kN-m)           (kN-m)");
    // At the left support: shear 7wL/16 with span 1 alone loaded. (The
    // solution leaves a moment of about 1e-9 N mm there, which is written.)
    EXPECT_EQ(env[6].substr(0, 31), "  1     0.000       21.875 ( 2)");
    // At 2 m: shear 3.125 (span 2 loaded), moments 23.75 (span 1 loaded) and
    // -6.25 (span 2 loaded).
    EXPECT_EQ(env[14], "  9     2.000        3.125 ( 3)      23.750 ( 2)      -6.250 ( 3)");
    // At the middle support: -wL^2/8 with both spans loaded; the largest
    // moment is negative and not written.
    EXPECT_EQ(env[26], " 21     5.000       31.250 ( 1)                      -31.250 ( 1)");
    EXPECT_EQ(env[27], "");
    EXPECT_EQ(env[28], " Span 2");
    EXPECT_EQ(env[52], "");
    EXPECT_EQ(env[53], " RH Cantilever ");
    // An unloaded cantilever: the first loadcase governs, "  (" before it.
    EXPECT_EQ(env[56], "  1     0.000        0.000  ( 1)");
    EXPECT_EQ(env[76].substr(0, 13), " 21     1.000");
    EXPECT_EQ(env[77], "");
}

TEST_F(LoadingData, DistributedAndPointLoadsWithTheLoadcasesApplyingThem) {
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, 10000, 1.4, {1, 3, 12});
    Udl(2, 2500, 5, 7.5, 2000, 1.0, {});
    Point(3, 4000, 25000, 1.0, {2});
    Point(10, 7500, -15000, 1.0, {1, 2});
    Udl(SelfWeightSlot, 0, 0.25, 0.25, 10000, 1.4, {1});
    FinishLoads();
    ASSERT_EQ(NumLoadcases, 12);
    ClearResultLines();
    BuildLoadingDataText();
    EXPECT_EQ(Lines(LoadingDataUDLText),
              (Lines_t{"", " UNIFORMLY DISTRIBUTED LOADS",
                       " No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to",
                       "         (m)        (kN/m)       (kN/m)         (m)     Factor   loadcases:-",
                       "  1" "     0.000" "       10.00" "        10.00" "        10.00" "      1.40" "    1 3 12 ",
                       "  2" "     2.500" "        5.00" "         7.50" "         2.00" "      1.000" "   Not applied",
                       " S/Wt" "   0.000" "        0.25" "         0.25" "        10.00" "      1.40" "    1 ",
                       "", ""}));
    EXPECT_EQ(Lines(LoadingDataPointText),
              (Lines_t{"", " Point Loads", " No      Load       Distance      Load        Applied to",
                       "        (kN)          (m)        Factor       loadcases:-",
                       "  3" "    25.00" "         4.000" "        1.000" "          2 ",
                       " 10" "   -15.00" "         7.500" "        1.000" "          1 2 ", "", "", ""}));
}

// A whole number typed in any unit prints whole in a column without
// decimals, though its single comes back a hair below it (2903 in as
// 2902.99986, 1000 Kips as 999.99996); 2.7 is still cut to 2.
TEST_F(LoadingData, WholeNumbersTypedInAnyUnitPrintWhole) {
    const struct {
        const char *length, *load;
        float lengthFactor, loadFactor;
        const char *distance, *row;
    } rows[] = {
        {"in", "Kips", 25.4f, 4448.22f, "2903", "  1   1000         2903           1.000          1 "},
        {"ft", "lbf", 304.8f, 4.4482217f, "1001", "  1   1000         1001           1.000          1 "},
        {"mm", "kN", 1, 1000, "2903", "  1   1000         2903           1.000          1 "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.length);
        SetBeam({3.1e5});
        Unit_L = r.length;
        Factor_L = r.lengthFactor;
        Unit_PL = r.load;
        Factor_PL = r.loadFactor;
        const auto typed = [](const char* text, float factor) {
            return FieldStored(text, factor, FieldRule::Single, "");
        };
        Point(1, typed(r.distance, Factor_L), typed("1000", Factor_PL), 1.0, {1});
        Point(2, typed("2.7", Factor_L), typed("2.7", Factor_PL), 1.0, {1});
        FinishLoads();
        ClearResultLines();
        BuildLoadingDataText();
        const Lines_t point = Lines(LoadingDataPointText);
        ASSERT_GE(point.size(), 6u);
        EXPECT_EQ(point[4], r.row);
        EXPECT_EQ(point[5], "  2      2            2           1.000          1 ");
    }
}

TEST_F(LoadingData, EmptyTablesAndLongLoadcaseLists) {
    SetBeam(std::vector<double>(25, 4000));
    // In every loadcase: one run. In every odd loadcase: the thirteen numbers
    // go on under the first line, never cut inside a number.
    std::vector<int> all, odd;
    for (int lc = 1; lc <= 25; ++lc) {
        all.push_back(lc);
        if (lc % 2) odd.push_back(lc);
    }
    Udl(1, 0, 10, 10, 100000, 1.0, all);
    Udl(2, 0, 10, 10, 100000, 1.0, odd);
    Point(3, 2000, 10000, 1.0, odd);
    FinishLoads();
    ClearResultLines();
    BuildLoadingDataText();
    const Lines_t udl = Lines(LoadingDataUDLText);
    ASSERT_EQ(udl.size(), 9u);
    EXPECT_EQ(udl[4].substr(65), "1-25 ");
    EXPECT_EQ(udl[5].substr(0, 3), "  2");
    EXPECT_EQ(udl[5].substr(65), "1 3 5 7 9 11 13 15 ");
    EXPECT_EQ(udl[6], std::string(65, ' ') + "17 19 21 23 25 ");
    const Lines_t point = Lines(LoadingDataPointText);
    ASSERT_EQ(point.size(), 9u);
    EXPECT_EQ(point[4].substr(49), "1 3 5 7 9 11 13 15 17 19 ");
    EXPECT_EQ(point[5], std::string(49, ' ') + "21 23 25 ");

    // Fifty loads with lists of three lines fill the store: the lists left
    // without room end with a mark after a whole number.
    const std::vector<int> pairs{1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17, 19, 20, 22, 23, 25};
    for (int slot = 1; slot <= 50; ++slot) Udl(slot, 0, 10, 10, 100000, 1.0, pairs);
    FinishLoads();
    ClearResultLines();
    BuildLoadingDataText();
    const Lines_t full = Lines(LoadingDataUDLText);
    ASSERT_EQ(full.size(), 100u);
    EXPECT_EQ(full[4].substr(65), "1 2 4 5 7 8 10 11 13");
    EXPECT_EQ(full[6], std::string(65, ' ') + "25 ");
    EXPECT_EQ(full[97].substr(65), "1 2 4 5 7 8 10 ...");

    LoadTable.Fill({});
    ClearResultLines();
    BuildLoadingDataText();
    EXPECT_EQ(LoadingDataUDLText[0].str(), "6") << "only the three heading lines";
    EXPECT_EQ(LoadingDataPointText[0].str(), "7") << "lines 1 to 4, then two empty lines";
}

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
    TwoSpanUdl(0.8);  // a factor below 1 is a factor too
    EXPECT_EQ(MaxStressLine.str(), " Max factored elastic stress = 25.00 N/mm^2");
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
