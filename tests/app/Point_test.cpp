#include <gtest/gtest.h>
#include <gmock/gmock.h>
#include <cmath>
#include <functional>
#include <tuple>
#include "BeamFile.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "Point.h"
#include "printing/PrintTest.h"
#include "PointResults.h"
#include "ResultsBeam.h"
#include "TempDir.h"
#include "TextStore.h"
#include "beam/ChooseUnits.h"
#include "beam/UnitsGuard.h"

using namespace results_test;

namespace {

class PointWindow : public BeamWindowsAndFiles {
protected:
    void TearDown() override {
        PointFrm->Hide();
        IndexFrm->Hide();  // shown by Next
        PointDistance = 0;
        BeamWindowsAndFiles::TearDown();
    }
    // Types the distance (m) and presses Calculate; returns the messages.
    Lines_t Calculate(const std::string& metres) {
        PointFrm->Show();
        PointFrm->Edit_Dist.SetText(metres);
        return Said([] { PointFrm->cmd_Calc.Click(); });
    }
};

TEST(PointFraction, NearestFractionStartsAtThirdsAndKeepsTheFirst) {
    const struct { double x; int p, q; } rows[] = {{0.4, 2, 5}, {0.5, 2, 4}, {1.0 / 3, 1, 3}, {1.0, 3, 3}};
    for (const auto& r : rows) {
        int p = 0, q = 0;
        NearestFraction(r.x, p, q);
        EXPECT_EQ(std::pair(p, q), std::pair(r.p, r.q)) << r.x;
    }
}

// A simple span of 6 m under 10 kN/m, and an empty loadcase 2; the point at
// 2.4 m: V = wL/2 - wx, M = wx(L - x)/2, deflection
// w x (L^3 - 2 L x^2 + x^3) / 24EI. Printed, the lines stand at a pitch of
// 3.5 mm; with no results nothing is printed.
TEST_F(PointWindow, ShearMomentStressAndDeflectionOnASimpleSpan) {
    print_test::LogDevice device(254, 254);  // ten pixels per millimetre
    PointResultText.Fill({});
    PointFrm->cmd_Print.Click();
    EXPECT_EQ(device.Documents(), 0);
    SetBeam({6000});
    Udl(1, 0, 10, 10, 6000, 1.0, {1});
    Point(2, 1000, 0, 1.0, {2});
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
    ASSERT_EQ(Calculate("2.4"), Lines_t{});

    const double w = 10, L = 6000, x = 2400;
    const double V = w * L / 2 - w * x, M = w * x * (L - x) / 2;
    const double d = w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * E * I);
    EXPECT_EQ(PointDistance, 2400.0f);
    EXPECT_NEAR(PointShear[1], V, 1e-3);
    EXPECT_NEAR(PointMoment[1], M, 1.0);
    EXPECT_NEAR(PointStress[1], M * Y / I, 1e-4);
    EXPECT_NEAR(std::fabs(PointDeflection[1]), d, 1e-4);
    EXPECT_EQ(PointShear[2], 0.0f);
    EXPECT_EQ(PointShear[0], PointShear[1]);
    EXPECT_EQ(PointMoment[0], PointMoment[1]);

    const Lines_t expected = {"  RESULTS AT POINT ",
                              "    Distance along beam = 2.40 m",
                              "",
                              " LOADCASE 1",
                              "    Shear  = 6.000 kN",
                              "    Moment = 43.20 kN-m",
                              "    Stress = 43.20 N/mm^2",
                              "    Deflection = -7.839 mm",
                              "",
                              " LOADCASE 2",
                              "    Shear  = 0.000 kN",
                              "    Moment = 0.000 kN-m",
                              "",
                              " MAXIMA ",
                              "    Shear = 6.000 kN",
                              "    Moment = 43.20 kN-m",
                              "    Stress = 43.20 N/mm^2",
                              "    Deflection = -7.839 mm",
                              ""};
    EXPECT_EQ(Items(PointFrm->List_Results), expected);
    EXPECT_EQ(PointResultText[0], "19");

    const gui::StringGrid& g = PointFrm->Grid_RaP;
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cell(1, 2), "6.000");
    EXPECT_EQ(g.Cell(2, 2), "43.20");
    EXPECT_EQ(g.Cell(3, 2), "43.20");
    EXPECT_EQ(PointFrm->Grid_Max.Cell(1, 0), "6.000");
    EXPECT_EQ(PointFrm->Grid_Max.Cell(0, 0), " Max");
    EXPECT_EQ(g.Cell(0, 0), " Loadcase");
    EXPECT_EQ(g.Cell(4, 1), " mm");

    // Shown again, the window offers the last distance.
    PointFrm->Hide();
    PointFrm->Show();
    EXPECT_EQ(PointFrm->Edit_Dist.Text(), "2.40");

    PointFrm->cmd_Print.Click();
    EXPECT_EQ(device.Documents(), 1);
    // The result lines follow the page header.
    std::vector<gui::CanvasOp> lines;
    for (const gui::CanvasOp& op : gui::Log(device.Canvas()))
        if (op.Op == "TextOut" && (!lines.empty() || op.Text == "  RESULTS AT POINT ")) lines.push_back(op);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0].Y, 420);
    EXPECT_EQ(lines[3].Text, " LOADCASE 1");
    EXPECT_EQ(lines[3].Y, 525);
}

// A value too long for its cell is not cut: the cell sends the reader to
// the list, which holds it whole.
TEST_F(PointWindow, GridCellsShowValuesWholeOrSayTheyDoNotFit) {
    SetBeam({4000});
    Point(1, 2000, 1.111e15, 1.0);  // M = PL/4
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
    ASSERT_EQ(Calculate("2"), Lines_t{});
    EXPECT_EQ(PointFrm->Grid_RaP.Cell(2, 2), "see list");
    EXPECT_EQ(PointFrm->Grid_Max.Cell(2, 0), "see list");
    EXPECT_THAT(Items(PointFrm->List_Results), testing::Contains("    Moment = 1111000000000 kN-m"));
}

// Cantilevers: a point load P at the tip of a 1.5 m left cantilever, a UDL w
// on a 2 m right cantilever. At a distance d from a free end the shear is
// -P (left) or +w d (right), the moment -P d or -w d^2 / 2, the stress in
// the grid its magnitude. The deflection: the span's end rotation under the
// two root moments, L (2 M1 + M2) / 6EI at the left, plus the cantilever's
// own bending; on the left the stored twentieths 0.30 and 0.35 from the tip
// interpolated at 1/3.
TEST_F(PointWindow, CantileversFromTheirFreeEnds) {
    SetBeam({6000}, 1500, 2000);
    Point(1, 0, 10000, 1.0, {1});
    Udl(2, 7500, 10, 10, 2000, 1.0, {1});
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());

    // The free end of the right cantilever is accepted.
    const struct { const char* at; double shear, moment; const char *stress, *deflection; } rows[] = {
        {"0.5", -10000, -10000 * 500.0, "5.000", "-2.724"},
        {"9", 10 * 500.0, -10 * 500.0 * 500 / 2, "1.250", "-4.676"},
        {"9.5", 0, 0, "0.000", "-6.341"}};
    for (const auto& r : rows) {
        ASSERT_EQ(Calculate(r.at), Lines_t{}) << r.at;
        EXPECT_NEAR(PointShear[1], r.shear, 1e-2) << r.at;
        EXPECT_NEAR(PointMoment[1], r.moment, 1.0) << r.at;
        EXPECT_EQ(PointFrm->Grid_RaP.Cell(3, 2), r.stress) << r.at;
        EXPECT_EQ(PointFrm->Grid_RaP.Cell(4, 2), r.deflection) << r.at;
    }
}

// The tip of a right cantilever typed as the beam's length, to any number of
// figures and with or without an exponent, where the typed single lies above
// the summed member lengths (typed as singles too); a unit of the last
// figure further is refused, however little it is.
TEST_F(PointWindow, TheRightCantileverTipInEveryUnit) {
    const struct {
        const char* unit;
        float factor;
        std::vector<const char*> spans;
        const char* rhc;
        std::vector<const char*> tips;
        const char* beyond;
    } rows[] = {
        {"m", 1000, {"4", "5"}, "1.8", {"10.8", "10.80", "1.08e1", "1.08E+01"}, "10.80001"},
        {"m", 1000, {"2.7", "3.3"}, "4.1", {"10.1", "10.10", "1.01e1", "1.01E+01", "1010e-2"}, "10.10001"},
        {"m", 1000, {"2.7", "3.3"}, "4.1", {"101e-1"}, "1.010001e1"},
        {"m", 1000, {"2.7", "3.3"}, "4.1", {"0.0101e3"}, "10101e-3"},
        {"mm", 1, {"4000", "5000"}, "1800", {"10800", "1.08e4"}, "10800.01"},
        {"mm", 1, {"2700.3", "3300.3"}, "4100.3", {"10100.9", "1.01009E+04"}, "10101.0"},
        {"ft", 304.8f, {"2.7", "3.3"}, "4.1", {"10.1", "1.010E1"}, "10.100001"},
        {"ft", 304.8f, {"2.7", "3.3"}, "4.1", {"10.10"}, "1.0100001E+01"},
        {"in", 25.4f, {"2.7", "3.3"}, "4.1", {"10.1", "10.100", "1.01e+1"}, "10.100001"},
    };
    for (const auto& r : rows) {
        const UnitsGuard units;
        auto stored = [&r](const char* typed) { return double(static_cast<long double>(std::stof(typed)) * r.factor); };
        std::vector<double> spans;
        for (const char* typed : r.spans) spans.push_back(stored(typed));
        SetBeam(spans, 0, stored(r.rhc));
        Unit_L = r.unit;
        Factor_L = r.factor;
        Point(1, spans[0] / 2, 10000, 1.0);
        FinishLoads();
        ASSERT_TRUE(Analyse().empty()) << r.unit;
        for (const char* tip : r.tips) {
            ASSERT_EQ(Calculate(tip), Lines_t{}) << tip << " " << r.unit;
            EXPECT_EQ(PointMoment[1], 0.0f) << tip << " " << r.unit;
            EXPECT_NE(PointDeflection[1], 0.0f) << tip << " " << r.unit;
        }
        EXPECT_EQ(Calculate(r.beyond), Lines_t{"Value exceeds length of beam"}) << r.beyond << " " << r.unit;
    }
}

// After an analysis, Open, New or a change of units nothing worked out from
// the results before is shown or printed; the distance alone stays.
TEST_F(PointWindow, ResultsReplacedLeaveNoValuesToShowOrPrint) {
    const UnitsGuard units;
    const TempDir dir;
    const std::string path = (dir.path() / "beam.kvl").string();
    gui::SetFileDialogHook([&path](const gui::FileDialog&) { return path; });
    SetBeam({4000, 5000}, 0, 1800);
    Udl(1, 0, 10, 10, 4000, 1.0);
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
    IndexFrm->SaveAs1.Click();
    const struct { const char* road; std::function<void()> take; } roads[] = {
        {"a load changed, Next",
         [] {
             IndexFrm->Loads1.Click();
             for (gui::Edit* rate : {&LoadDataFrm->Row(1).Edit_UDLS, &LoadDataFrm->Row(1).Edit_UDLF}) rate->SetText("20");
             LoadDataFrm->cmd_Next.Click();
         }},
        {"Open", [] { IndexFrm->Open1.Click(); }},
        {"New", [] { IndexFrm->New1.Click(); }},
        {"units changed", [] { ChooseUnits({{Quantity::Shear, "Kips"}, {Quantity::Moment, "lbf-ft"}}); }},
    };
    print_test::LogDevice device;
    for (const auto& r : roads) {
        IndexFrm->Open1.Click();
        ASSERT_EQ(Calculate("2"), Lines_t{}) << r.road;
        ASSERT_NE(PointFrm->Grid_Max.Cell(2, 0), "") << r.road;
        PointFrm->Hide();
        ASSERT_EQ(Said([&] { r.take(); }), Lines_t{}) << r.road;
        PointFrm->Show();
        for (int col = 1; col <= 4; ++col) EXPECT_EQ(PointFrm->Grid_Max.Cell(col, 0), "") << r.road;
        EXPECT_EQ(Items(PointFrm->List_Results), Lines_t{}) << r.road;
        EXPECT_EQ(PointFrm->Edit_Dist.Text(), "2.00") << r.road;
        PointFrm->cmd_Print.Click();
        EXPECT_EQ(device.Documents(), 0) << r.road;
    }
}

// Point queries solve the loadcases again at their own divisions; every stored
// table, and so the saved file, stays as the analysis left it.
TEST_F(PointWindow, QueriesLeaveStoredResultsAndTheSavedFileAlone) {
    SetBeam({4200, 3300, 5100}, 1100, 1500);
    Udl(1, 0, 10, 10, 15200, 1.3, {1, 2});
    Point(2, 6100, 20000, 1.5, {2});
    Point(3, 8000, 0, 1.0, {3});   // counted, not active: its zero total becomes 1e-12
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
    const auto file = BeamDataFileBytes();
    const auto tables = [] {
        return std::tuple(SpanMomentMax, SpanMomentMin, SpanMomentMaxX, SpanMomentMinX, CantMomentMax, CantMomentMin,
                          CaseAppliedLoad, DirectSupportLoad, CaseReaction, MomentSummary);
    };
    const auto before = tables();
    for (const char* at : {"2.35", "0.5", "6.1", "9.9", "14.9"}) ASSERT_EQ(Calculate(at), Lines_t{}) << at;
    EXPECT_TRUE(tables() == before);
    EXPECT_TRUE(BeamDataFileBytes() == file);
}

TEST_F(PointWindow, DistancesThatCannotBeAnalysed) {
    TwoSpanUdl();
    const std::string near = "Cannot analyse point nearer then 1/1000 span of a support";
    EXPECT_EQ(Calculate("10.01"), Lines_t{"Value exceeds length of beam"});
    EXPECT_EQ(Calculate("0"), Lines_t{"Please enter point measured from LH end of beam"});
    EXPECT_EQ(Calculate(" "), Lines_t{"Please enter point measured from LH end of beam"});
    // Read as every typed field: no number is refused by name, not read as 0 or 5.
    EXPECT_EQ(Calculate("abc"), Lines_t{"Distance from LH end of beam: 'abc' is not a number"});
    EXPECT_EQ(Calculate(" 5m "), Lines_t{"Distance from LH end of beam: '5m' is not a number"});  // typed after the blank shown
    EXPECT_EQ(Calculate("1e37"), Lines_t{"Distance from LH end of beam: '1e37' is too large"});
    EXPECT_EQ(Calculate("-1"), Lines_t{"Please use positive value"});
    EXPECT_EQ(Calculate("5"), Lines_t{near});
    EXPECT_EQ(Calculate("5.004"), Lines_t{near});
    EXPECT_EQ(Calculate("4.996"), Lines_t{near});
    EXPECT_EQ(Calculate("10"), Lines_t{near});
    EXPECT_EQ(PointDistance, 10000.0f);  // the refused distance is kept
    // and shown again in figures that read back as it.
    for (const char* kept : {"1e30", "0.00005", "2.3456"}) {
        Calculate(kept);
        const std::vector<std::string> said = Messages();
        PointFrm->Hide();
        PointFrm->Show();
        EXPECT_EQ(std::stod(PointFrm->Edit_Dist.Text()), std::stod(kept)) << kept;
        EXPECT_EQ(Said([&] { PointFrm->cmd_Calc.Click(); }), said) << kept;
    }
    EXPECT_EQ(Calculate("5.006"), Lines_t{});
    EXPECT_NE(PointShear[1], 0.0f);
}

}  // namespace
