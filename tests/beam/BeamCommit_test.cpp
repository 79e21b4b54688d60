#include <gtest/gtest.h>
#include "BeamTest.h"
#include <cstring>
#include <tuple>
#include "Checked.h"
#include "Index.h"
#include "Preferences.h"
#include "UnitConversion.h"

using namespace beamtest;

namespace {

using BeamNext = FreshWindow;

// What the model must hold for a typed text: the text as a single, times the factor.
double Internal(const char* text, float factor) { return double(Real(std::stof(text)) * Real(factor)); }

// Lengths are checked first, then Ixx, then E, of the members in the beam;
// a refused value takes the focus, for the user to type it.
TEST_F(BeamNext, ChecksLengthsThenIxxThenE) {
    EXPECT_EQ(Next(), Lines_t{" Specify length of all spans"});  // all three missing: lengths first
    EXPECT_TRUE(Window().Showing());
    EXPECT_TRUE(gui::HasFocus(Window().Grid_Lengths));
    EXPECT_EQ(Window().Grid_Lengths.Col(), 1);

    Type(Window().Grid_Lengths, 1, 1, "6");
    Type(Window().Edit_E, "205000");
    Type(Window().Edit_Yrec, "0");  // y may be 0
    EXPECT_EQ(Next(), Lines_t{HelpMessage(" Specify value for Ixx for all spans")});
    EXPECT_TRUE(gui::HasFocus(Window().Edit_Ixx));
    Type(Window().Edit_Ixx, "-5");
    EXPECT_EQ(Next(), Lines_t{HelpMessage(" Specify value for Ixx for all spans")});
    Type(Window().Edit_Ixx, "8000");
    Type(Window().Edit_E, "");
    EXPECT_EQ(Next(), Lines_t{HelpMessage(" Specify value for E for all spans")});
    EXPECT_TRUE(gui::HasFocus(Window().Edit_E));
    EXPECT_TRUE(Window().Showing());
    EXPECT_EQ(SpanTextTable[1][0], "1");  // the exists texts are set even so
    EXPECT_EQ(SpanTextTable[2][0], "0");

    // Any E and Ixx above 0, any y and area, as beam files keep them.
    Type(Window().Edit_E, "0.0005");
    Type(Window().Edit_Ixx, "5e-11");
    Type(Window().Edit_Yrec, "-150");
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][5] = "-16.5";  // as a damaged table record gives it
    w.Check_RHC.Click();  // an RHC with no length
    EXPECT_EQ(Next(), Lines_t{" Specify length of all spans"});
    EXPECT_EQ(Window().Grid_Lengths.Col(), 2);  // its cell takes the focus
    w.Check_IE.Click();                         // in the per-member grid too
    EXPECT_EQ(Next(), Lines_t{" Specify length of all spans"});
    EXPECT_TRUE(gui::HasFocus(Window().Grid_Spans));
    EXPECT_EQ(Window().Grid_Spans.Col(), 2);
    EXPECT_EQ(Window().Grid_Spans.Row(), 2);
    w.Check_IE.Click();
    w.Check_RHC.Click();  // unticked: its empty cells are not checked
    EXPECT_EQ(Next(), Lines_t{});
    EXPECT_FALSE(Window().Showing());
    EXPECT_TRUE(LoadDataFrm->Showing());
    EXPECT_EQ(BeamGeometryTable[1][GE], Internal("0.0005", Factor_Sect_E));
    EXPECT_EQ(BeamGeometryTable[1][GIxx], Internal("5e-11", Factor_Sect_I));
    EXPECT_EQ(BeamGeometryTable[1][GY], Internal("-150", Factor_Sect_L));
}

TEST_F(BeamNext, GeometryFromTypedTextsInOtherUnits) {
    const std::tuple<Quantity, const char*, float> units[] = {
        {Quantity::Length, "ft", 304.8f}, {Quantity::I, "in^4", 416231.4f}, {Quantity::E, "KSI", 6.89476f},
        {Quantity::SectionDimension, "in", 25.4f}, {Quantity::Area, "in^2", 645.16f}};
    for (const auto& [q, name, factor] : units) Unit(q).Name = name, Unit(q).Factor = factor;
    IndexFrm->Save1.SetEnabled(true);
    IndexFrm->SaveAs1.SetEnabled(true);
    Window().Hide();
    Window().Show();
    EXPECT_FALSE(IndexFrm->Save1.Enabled());  // showing the window disables saving
    EXPECT_FALSE(IndexFrm->SaveAs1.Enabled());
    w.Check_LHC.Click();
    w.Check_RHF.Click();
    OneSectionBeam({"12.5", "20", "7.3"}, "987.6", "29700", "9.1");
    Type(w.Grid_Lengths, 1, 1, "3.75");  // the LHC
    SpanTextTable[1][5] = "14.7";        // area, as a section table gives it
    EXPECT_EQ(Next(), Lines_t{});

    EXPECT_EQ(NumSpans, 3);
    EXPECT_EQ(BeamGeometryTable[0][0], 1.0);
    EXPECT_EQ(BeamGeometryTable[0][1], Internal("3.75", 304.8f));
    const char* lengths[] = {"12.5", "20", "7.3"};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(BeamGeometryTable[k][0], 1.0);
        EXPECT_EQ(BeamGeometryTable[k][1], Internal(lengths[k - 1], 304.8f)) << k;
        EXPECT_EQ(BeamGeometryTable[k][2], Internal("29700", 6.89476f));
        EXPECT_EQ(BeamGeometryTable[k][3], Internal("987.6", 416231.4f));
        EXPECT_EQ(BeamGeometryTable[k][4], Internal("9.1", 25.4f));
    }
    EXPECT_EQ(BeamGeometryTable[1][5], Internal("14.7", 645.16f));
    for (int m = 4; m <= 26; ++m) {
        EXPECT_EQ(BeamGeometryTable[m][0], 0.0) << m;
        EXPECT_EQ(BeamGeometryTable[m][1], 0.0) << m;
    }
    // Left end simple (the LHC stands there), right end fixed.
    EXPECT_EQ(SupportTypes[0], 1);
    EXPECT_EQ(SupportTypes[2], 1);
    EXPECT_EQ(SupportTypes[25], 2);
    // The beam is as long as its four members.
    EXPECT_EQ(BeamLength, BeamGeometryTable[0][1] + BeamGeometryTable[1][1] + BeamGeometryTable[2][1] +
                              BeamGeometryTable[3][1]);
    EXPECT_EQ(SameForAllSpans, 1);
    EXPECT_EQ(UniformSectionText[0], "4");
    EXPECT_EQ(UniformSectionText[2], " Ixx = 987.6 in^4");
    EXPECT_EQ(UniformSectionText[3], "  E  = 29700 KSI");
    EXPECT_EQ(UniformSectionText[4], "  y  = 9.1 in");

    // Refilled from the model, as after Open, and taken through Next again:
    // every value stays.
    const auto geometry = BeamGeometryTable;
    w.ShowBeamData();
    EXPECT_EQ(w.Edit_Ixx.Text(), "987.6");
    EXPECT_EQ(w.Grid_Lengths.Cell(4, 1), "7.300");
    EXPECT_EQ(Next(), Lines_t{});
    for (int m = 0; m <= 26; ++m)
        for (int t = 1; t <= 5; ++t) EXPECT_EQ(BeamGeometryTable[m][t], geometry[m][t]) << m << " " << t;
}

TEST_F(BeamNext, DroppedCantileverAndSpansLeaveNoLength) {
    w.Check_RHC.Click();
    OneSectionBeam({"4", "6"}, "8000", "205000", "100");
    Type(w.Grid_Lengths, 3, 1, "1.5");
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_EQ(BeamGeometryTable[26][0], 1.0);
    EXPECT_EQ(BeamGeometryTable[26][1], 1500.0);
    EXPECT_EQ(BeamLength, 11500.0);

    w.Show();
    w.Check_RHC.Click();
    w.UpDown_Spans.Step(-1);
    // Members no longer in the beam may hold any text.
    SpanTextTable[RHC][1] = "x";
    SpanTextTable[2][2] = "7,5";
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_EQ(NumSpans, 1);
    EXPECT_EQ(BeamGeometryTable[26][0], 0.0);
    EXPECT_EQ(BeamGeometryTable[26][1], 0.0);
    EXPECT_EQ(BeamGeometryTable[2][0], 0.0);
    EXPECT_EQ(BeamGeometryTable[2][1], 0.0);
    EXPECT_EQ(BeamLength, 4000.0);
}

TEST_F(BeamNext, SelfWeightRowOverTheWholeBeam) {
    MaterialCode = "HRS";
    FactoredLoads = 1;
    w.Check_LHC.Click();
    OneSectionBeam({"2", "5"}, "8000", "205000", "100");
    Type(w.Grid_Lengths, 1, 1, "1");
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][5] = "100";  // 100 cm^2 = 10000 mm^2
    ASSERT_EQ(Next(), Lines_t{});
    const LoadRecord& sw = LoadRows[SelfWeightSlot];
    EXPECT_EQ(sw[LKind], -1.0f);
    EXPECT_EQ(sw[LDist], 0.0f);
    EXPECT_FLOAT_EQ(sw[LStart], 0.770085f);
    EXPECT_EQ(sw[LFinish], sw[LStart]);
    EXPECT_EQ(sw[LCover], 8000.0f);
    EXPECT_EQ(sw[LFactor], 1.4f);  // a new beam with factored loads
    EXPECT_TRUE(LoadDataFrm->Frame_SWt.Visible());

    // A factor already set in loadcase 1 is kept.
    LoadTable[1][SelfWeightSlot][LFactor] = 1.2f;
    LoadRows[SelfWeightSlot][LFactor] = 1.2f;
    w.Show();
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_EQ(LoadRows[SelfWeightSlot][LFactor], 1.2f);
}

TEST_F(BeamNext, NoSelfWeightOfferForTimberOrPerMemberSections) {
    MaterialCode = "Timber";
    OneSectionBeam({"5"}, "8000", "8000", "100");
    LoadDataFrm->Frame_SWt.SetVisible(true);
    LoadDataFrm->Check_Swt.SetCheckedQuietly(true);
    ApplyFlags[7][SelfWeightSlot] = 1;
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_FALSE(LoadDataFrm->Frame_SWt.Visible());
    EXPECT_FALSE(LoadDataFrm->Check_Swt.Checked());
    EXPECT_EQ(ApplyFlags[7][SelfWeightSlot], NotApplied);
    EXPECT_EQ(Material, "Timber");

    w.Show();
    MaterialCode = "HRS";
    w.Check_IE.Click();  // one section per member
    LoadDataFrm->Frame_SWt.SetVisible(true);
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_EQ(SameForAllSpans, -1);
    EXPECT_FALSE(LoadDataFrm->Frame_SWt.Visible());
}

}  // namespace

namespace {
// The model tables Next writes, to see that a refused Next leaves them alone.
struct ModelCopy {
    decltype(BeamGeometryTable) geometry = BeamGeometryTable;
    int spans = NumSpans;
    double length = BeamLength;
    bool operator==(const ModelCopy& o) const {
        return spans == o.spans && length == o.length &&
               std::memcmp(&geometry, &o.geometry, sizeof geometry) == 0;
    }
};
}  // namespace

// Refused counts and texts change nothing; the length is the members'; the
// spinner, captions and focus follow the beam shown.
TEST_F(BeamNext, RefusedInputKeepsTheModelAndTheWindowFollowsTheBeam) {
    NumSpans = 0;
    BeamGeometryTable.Fill({});
    BeamLength = 0;
    w.cmdCancel.Click();  // no beam yet
    w.Show();
    EXPECT_EQ(Next(), Lines_t{" Specify length of all spans"});
    EXPECT_EQ(NumSpans, 0);

    OneSectionBeam({"5", "4"}, "8000", "205000", "100");
    ASSERT_EQ(Next(), Lines_t{});
    w.Show();
    const ModelCopy before;
    const struct {
        const char* spans;
        const char* length;
        std::string message;
    } refused[] = {
        {"26", "5", "Number of spans: '26' is not a whole number from 1 to 25"},
        {"0", "5", "Number of spans: '0' is not a whole number from 1 to 25"},
        {"-3", "5", "Number of spans: '-3' is not a whole number from 1 to 25"},
        {"2", "12,5", "Span 1 length: '12,5' is not a number"},
        {"2", "1e39", "Span 1 length: '1e39' is too large"},
        {"2", "1e38", "Span 1 length: '1e38' is too large"},
        {"2", "1e-45", "This beam cannot be taken: the length of span 1 is 1.4013e-45 m; it must be at least 1e-33 m."},
    };
    for (const auto& r : refused) {
        w.Edit_Spans.SetText(r.spans);
        Type(w.Grid_Lengths, 1, 1, r.length);
        EXPECT_EQ(Next(), Lines_t{r.message}) << r.spans << r.length;
        EXPECT_TRUE(before == ModelCopy()) << r.spans << r.length;
        EXPECT_TRUE(w.Showing());
    }
    // Members each held as a single, together longer than one.
    Type(w.Grid_Lengths, 1, 1, "3e35");
    Type(w.Grid_Lengths, 2, 1, "3e35");
    EXPECT_EQ(Next(), Lines_t{"This beam cannot be taken: the beam length 6e+35 m is too large."});
    EXPECT_TRUE(before == ModelCopy());
    w.Edit_Spans.SetText("30");
    EXPECT_EQ(Said([&] { w.Check_RHC.Click(); }),  // the count is read here too
              Lines_t{"Number of spans: '30' is not a whole number from 1 to 25"});
    EXPECT_EQ(SpanCount, 2);
    w.Check_RHC.Click();
    w.Edit_Spans.SetText("2");

    // Re-expressed in other units without a redraw, 12345 mm stays 12345 mm.
    Type(w.Grid_Lengths, 1, 1, "12345");
    Type(w.Grid_Lengths, 2, 1, "4000");
    Unit_L = "mm";
    Factor_L = 1;
    SaveOldFactors();
    Unit_L = "m";
    Factor_L = 1000;
    PreferencesFrm->OnUnitsChanged();
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 1), "12.345");
    ASSERT_EQ(Next(), Lines_t{});
    EXPECT_EQ(float(BeamGeometryTable[1][GLength]), 12345.0f);
    EXPECT_EQ(BeamLength, BeamGeometryTable[1][GLength] + BeamGeometryTable[2][GLength]);
    EXPECT_EQ(float(BeamLength), 16345.0f);

    // An opened beam of 12 spans and a left cantilever: the arrows step from
    // 12, and the cantilever's column is captioned as such.
    NumSpans = 12;
    BeamGeometryTable[0][GPresent] = 1;
    BeamGeometryTable[0][GLength] = 1000;
    for (int k = 1; k <= 12; ++k) BeamGeometryTable[k] = BeamGeometryTable[1];
    w.ShowBeamData();
    w.Show();
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 0), " LHC ");
    EXPECT_EQ(w.Grid_Lengths.Cell(2, 0), " Span 1");
    w.UpDown_Spans.Step(1);
    EXPECT_EQ(SpanCount, 13);
    w.UpDown_Spans.Step(-2);
    EXPECT_EQ(SpanCount, 11);
    // A count typed beyond ten steps from what was typed, up to 25.
    for (const auto& [typed, step, count] : {std::tuple{"20", 1, 21}, {"25", 1, 25}, {"17", -1, 16}}) {
        w.Edit_Spans.SetText(typed);
        w.UpDown_Spans.Step(step);
        EXPECT_EQ(SpanCount, count) << typed;
    }

    // The timber calculator refuses what it cannot read, keeping its section.
    const float depth = TimberH;
    const std::string material = MaterialCode;
    w.Edit_Timber_H.SetText("12,5");
    EXPECT_EQ(Said([&] { w.cmd_TimCalc.Click(); }), Lines_t{"Timber depth: '12,5' is not a number"});
    EXPECT_EQ(TimberH, depth);
    EXPECT_EQ(MaterialCode, material);

    w.Check_LHF.Click();
    EXPECT_TRUE(gui::HasFocus(w.cmdNext));
    w.Hide();
}
