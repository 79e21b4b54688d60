#include <gtest/gtest.h>
#include "Beam.h"
#include "Convert.h"
#include "Global.h"
#include "LoadData.h"
#include "Misc.h"
#include "Preferences.h"
#include "UnitConversion.h"
#include "ChooseUnits.h"
#include "UnitsGuard.h"
#include "ValueEdit.h"
#include "gui_testing.h"

namespace {

// Each test keeps the units and leaves the loads window's value edits empty.
struct UnitConversion : ::testing::Test {
    void TearDown() override { ClearLoadRowEdits(); }
    const UnitsGuard guard;
};
using UnitConversionWindows = UnitConversion;

// A change of units never changes a value, and a value not edited comes
// back as typed: each text is re-expressed from the value it stands for, in
// the fewest figures that store that value where they fit in the field,
// else in as many as fit.
TEST_F(UnitConversion, TextsKeepTheirValueAndComeBackAsTyped) {
    const FieldRule S = FieldRule::Single, M = FieldRule::Member;
    struct Case { const char* typed; float from, to; FieldRule rule; int width; const char* converted; };
    const Case cases[] = {
        {"2.5", 1000, 1, S, 7, "2500"},                 // m to mm
        {"0.125", 1000, 1, S, 7, "125"},
        {"12.5", 1000, 1, S, 7, "12500"},               // kN to N
        {"205000", 1, 6.89476f, S, 13, "29732.724"},    // N/mm^2 to KSI: not 29700
        {"205000", 1, 6.89476f, S, 7, "29732.7"},       // the same in a load's field
        {"10", 304.8f, 1000, S, 7, "3.048"},            // ft to m: not 3.05
        {"12345", 1, 1000, S, 7, "12.345"},             // mm to m: not 12.3
        {"2.5", 1000, 1000, S, 7, "2.5"},               // unchanged units: as typed
        {".5", 1, 1, S, 7, "0.5"},
        {"7.8967", 1000, 304.8f, S, 7, "25.9078"},      // not 25.907998, cut to 25.9079
        {"4", 1000, 304.8f, M, 11, "13.12336"},         // a span m to ft and back: not 3.9999998
        {"125.7", 1, 25.4f, M, 11, "4.948819"},         // y mm to in and back: not 125.700005
        {"204", 416231.44f, 10000, M, 11, "8491.121"},  // Ixx in^4 to cm^4 and back: not 204.00003
        {"204", 416231.44f, 10000, S, 17, "8491.122"},  // the same in a section's cell
        {"-0.001", 1, 1000, M, 11, "-0.000001"},
        {"4.9e40", 0.00689476f, 1, S, 17, "3.3784322e38"},  // lbf/in^2 beyond a single's range, stored within it
        {"3.402823466e38", 1, 1, S, 17, "3.402823466e38"},  // the largest single needs ten figures
    };
    gui::Form form("fields");
    for (const Case& c : cases) {
        const Quantity q = c.rule == S ? Quantity::PointLoad : MemberQuantity(3);
        const auto units = [q](float from, float to) { OldFactors[Index(q)] = from, Unit(q).Factor = to; };
        std::string there, back;
        units(c.from, c.to);
        if (c.rule == S) {
            ValueEdit edit(form);
            edit.SetBounds(0, 0, c.width * 6 + 8, 21);
            edit.SetText(c.typed);
            const double typed = edit.Stored(c.from, S, "");
            ConvertEdit(edit, q);
            there = edit.Text();
            EXPECT_EQ(edit.Stored(c.to, S, ""), typed) << c.typed;  // Next stores the value typed
            units(c.to, c.from);
            ConvertEdit(edit, q);
            back = edit.Text();
        } else {
            SpanTextTable[1][3] = c.typed;
            const std::optional<double> typed = TryFieldStored(c.typed, c.from, M);
            ConvertMemberText(1, 3);
            there = SpanTextTable[1][3];
            EXPECT_EQ(SpanTextHeld[1][3].ValueOf(there, c.to), typed) << c.typed;
            units(c.to, c.from);
            ConvertMemberText(1, 3);
            back = SpanTextTable[1][3];
            SpanTextTable[1][3] = "";
        }
        EXPECT_EQ(there, c.converted) << c.typed;
        EXPECT_LE(static_cast<int>(there.size()), c.width) << c.typed;
        EXPECT_EQ(back, c.from == c.to ? std::string(c.converted) : std::string(c.typed)) << c.typed;
    }
}

// What Next would refuse by name stays as typed; a blank is a zero.
TEST_F(UnitConversion, TextsThatAreNoNumberStayAsTyped) {
    const auto converted = [](const char* text, float from, float to) {
        OldFactors[Index(Quantity::Length)] = from, Factor_L = to;
        return ConvertedText(text, Quantity::Length, FieldRule::Single, CharactersFit(7));
    };
    for (const char* none : {"  -1.5e2x", "12abc", "12,5", "4e", "abc", "-", ".", "nan", "inf", "+.e3", "0x10", "1e39"})
        EXPECT_EQ(converted(none, 1000, 1), none);
    EXPECT_EQ(converted("   ", 1000, 1), "0");
    EXPECT_EQ(converted("2.5", 0, 1), "2.5");  // no factor to convert with
    EXPECT_EQ(converted("2.5", 1000, 0), "2.5");
}

// The texts of the beam being edited follow an OK of the preferences window
// once the main window has been shown, from the units of the last showing.
TEST_F(UnitConversion, TextsFollowAUnitChangeOnceTheMainWindowWasShown) {
    ClearLoadRowEdits();
    ChooseUnits({{Quantity::Length, "m"}, {Quantity::PointLoad, "kN"}, {Quantity::LoadRate, "kN/m"}});
    LoadRowControls& row1 = LoadDataFrm->Row(1);
    LoadRowControls& row7 = LoadDataFrm->Row(7);
    row1.Edit_Dist.SetText("2.5");
    row1.Edit_PL.SetText("20");
    row1.Edit_LF.SetText("1.45678");
    SpanTextTable[1][1] = "2.5";
    SpanTextTable[2][1] = "";

    IndexFrmShown = -1;
    ChooseUnits({{Quantity::Length, "mm"}, {Quantity::PointLoad, "N"}});
    EXPECT_EQ(row1.Edit_Dist.Text(), "2.5");
    EXPECT_EQ(SpanTextTable[1][1], "2.5");
    EXPECT_EQ(row7.Edit_UDLS.Text(), "");

    IndexFrmShown = 1;
    Option(*PreferencesFrm, Quantity::Length, "m").Click();
    Option(*PreferencesFrm, Quantity::PointLoad, "kN").Click();
    PreferencesFrm->Button2.Click();  // the last showing's units are metres and kN: nothing changes
    EXPECT_EQ(row1.Edit_Dist.Text(), "2.5");
    EXPECT_EQ(SpanTextTable[1][1], "2.5");
    ChooseUnits({{Quantity::Length, "mm"}, {Quantity::PointLoad, "N"}, {Quantity::LoadRate, "N/mm"}});
    EXPECT_EQ(row1.Edit_Dist.Text(), "2500");
    EXPECT_EQ(SpanTextTable[1][1], "2500");
    EXPECT_EQ(SpanTextTable[2][1], "");
    EXPECT_EQ(row1.Edit_LF.Text(), "1.45678");
    EXPECT_EQ(row7.Edit_UDLS.Text(), "0.0");
    EXPECT_EQ(LoadDataFrm->Row(50).Edit_Cover.Text(), "0.0");
    EXPECT_EQ(LoadDataFrm->lbl_PL.Caption(), "(N)");
    EXPECT_EQ(LoadDataFrm->lbl_PLdist.Caption(), "(mm)");
    EXPECT_EQ(LoadDataFrm->lbl_UDLS.Caption(), "(N/mm)");
    EXPECT_EQ(LoadDataFrm->lbl_UDLF.Caption(), "(N/mm)");
    EXPECT_EQ(LoadDataFrm->lbl_Cover.Caption(), "(mm)");
    // 4.496178 Kips in as many figures as the 50-pixel edit shows whole.
    ChooseUnits({{Quantity::PointLoad, "Kips"}});
    EXPECT_EQ(row1.Edit_PL.Text(), "4.4962");
    SpanTextTable[1][1] = "";
}

// The timber calculator, the member texts, the grids, the section edits and
// the miscellaneous sections move together, so that Next and a key in a grid
// both see the new units; a text whose unit stays is kept as typed.
TEST_F(UnitConversionWindows, TheBeamAndSectionWindowsFollowAUnitChange) {
    TBeamFrm& b = *BeamFrm;
    gui::StringGrid& misc = MiscFrm->Grid;
    ChooseUnits({{Quantity::Length, "m"}, {Quantity::I, "cm^4"}, {Quantity::E, "N/mm^2"},
                 {Quantity::SectionDimension, "mm"}});
    SpanTextTable[1][1] = "2.5";
    SpanTextTable[1][2] = "205000";
    SpanTextTable[1][3] = "8000";
    b.Grid_Spans.SetCell(1, 2, "2.5");
    b.Grid_Spans.SetCell(1, 3, "8000");
    b.Grid_Spans.SetCell(1, 4, "205000");
    b.Grid_Lengths.SetCell(1, 1, "2.5");
    b.Edit_Ixx.SetText("8000");
    b.Grid_SpanData.SetCell(27, 4, "1.5");  // the last section chosen, shown for the RHC
    misc.SetCell(2, 1, "8000");
    misc.SetCell(2, 2, "0");
    misc.SetCell(2, 3, "1.23456");
    misc.SetCell(3, 250, "205000");
    b.Edit_Timber_E.SetText("205000");
    b.Edit_Timber_H.SetText("");
    IndexFrmShown = 1;
    PreferencesFrm->Show();
    PreferencesFrm->Option_ZPlastic.Click();
    ChooseUnits({{Quantity::Length, "mm"}, {Quantity::I, "mm^4"}, {Quantity::SectionDimension, "cm"}});
    EXPECT_EQ(SpanTextTable[1][1], "2500");
    EXPECT_EQ(b.Grid_Spans.Cell(1, 2), "2500");
    EXPECT_EQ(b.Grid_Spans.Cell(1, 3), "80000000");
    EXPECT_EQ(b.Grid_Spans.Cell(1, 4), "205000");  // E unit unchanged: as typed
    EXPECT_EQ(b.Grid_Lengths.Cell(1, 1), "2500");
    EXPECT_EQ(b.Edit_Ixx.Text(), "80000000");
    EXPECT_EQ(b.Label_IxxUnit.Caption(), "mm^4");
    EXPECT_EQ(b.Edit_E.Text(), "205000");
    EXPECT_EQ(b.Grid_SpanData.Cell(2, 2), "2500");
    EXPECT_EQ(b.Grid_SpanData.Cell(27, 4), "15000");
    // The headings follow at once, not only at the window's next showing.
    EXPECT_EQ(b.Grid_Spans.Cell(0, 2), "\n Length  (mm)");
    EXPECT_EQ(b.Grid_Spans.Cell(0, 3), " Ixx  (mm^4)");
    EXPECT_EQ(b.Grid_Lengths.Cell(0, 1), "\n Length  (mm)");
    EXPECT_EQ(misc.Cell(2, 0), "     Ixx (mm^4)");
    EXPECT_EQ(misc.Cell(3, 0), "     E (N/mm^2)");
    EXPECT_EQ(misc.Cell(2, 1), "80000000");
    EXPECT_EQ(misc.Cell(2, 2), "");
    EXPECT_EQ(misc.Cell(2, 3), "12345.6");  // as Save reads 1.23456 cm^4
    EXPECT_EQ(misc.Cell(3, 250), "205000");
    EXPECT_EQ(misc.Cell(3, 1), "");
    EXPECT_EQ(b.lbl_Wunit.Caption(), "cm");
    EXPECT_EQ(b.Edit_Timber_H.Text(), "0.0");
    EXPECT_EQ(b.lbl_Hunit.Caption(), "cm");
    EXPECT_EQ(b.lbl_S.Caption(), "Zxx/Zyy = Plastic Modulus");
    EXPECT_EQ(b.lbl_Z.Caption(), "Sxx/Syy = Elastic Modulus");
    ChooseUnits({{Quantity::E, "KSI"}});
    EXPECT_EQ(b.Edit_Timber_E.Text(), "29732.724");  // 29700 would be another E
    EXPECT_EQ(b.Label_TimE.Caption(), "KSI");

    PreferencesFrm->Option_SPlastic.SetCheckedQuietly(true);
    for (int t = 1; t <= 3; ++t) SpanTextTable[1][t] = "";
    for (int row = 2; row <= 4; ++row) b.Grid_Spans.SetCell(1, row, "");
    b.Grid_Lengths.SetCell(1, 1, "");
    b.Grid_SpanData.SetCell(2, 2, "");
    b.Grid_SpanData.SetCell(27, 4, "");
    for (gui::Edit* e : {&b.Edit_Ixx, &b.Edit_E}) e->SetText("");
    for (gui::Edit* e : {&b.Edit_Timber_E, &b.Edit_Timber_W, &b.Edit_Timber_H}) e->SetText("");
    for (int col = 2; col <= 4; ++col)
        for (int row = 1; row <= 250; ++row) misc.SetCell(col, row, "");
}

// A change of one quantity's unit re-expresses the texts of that quantity,
// by the ratio of its factors, and no other text.
TEST_F(UnitConversionWindows, EachTextFollowsItsOwnQuantity) {
    using Q = Quantity;
    LoadRowControls& row = LoadDataFrm->Row(1);
    const std::pair<ValueEdit*, Q> edits[] = {
        {&BeamFrm->Edit_Timber_W, Q::SectionDimension}, {&BeamFrm->Edit_Timber_H, Q::SectionDimension},
        {&BeamFrm->Edit_Timber_E, Q::E}, {&row.Edit_PL, Q::PointLoad}, {&row.Edit_Dist, Q::Length},
        {&row.Edit_UDLS, Q::LoadRate}, {&row.Edit_UDLF, Q::LoadRate}, {&row.Edit_Cover, Q::Length}};
    const std::pair<int, Q> miscColumns[] = {{2, Q::I}, {3, Q::E}, {4, Q::SectionDimension}};
    const Q memberTexts[] = {Q::Length, Q::E, Q::I, Q::SectionDimension, Q::Area};  // texts 1..5
    const auto fill = [&](const char* text) {
        for (auto [edit, q] : edits) edit->SetText(text);
        for (auto [col, q] : miscColumns) MiscFrm->Grid.SetCell(col, 1, text);
        for (int t = 1; t <= 5; ++t) SpanTextTable[1][t] = text;
    };
    IndexFrmShown = 1;
    for (const QuantityUnits& changed : UnitTable()) {
        fill("1");
        SaveOldFactors();
        OldFactors[Index(changed.id)] *= 4;
        PreferencesFrm->OnUnitsChanged();
        const auto expected = [&](Q q) { return q == changed.id ? "4" : "1"; };
        for (auto [edit, q] : edits) EXPECT_EQ(edit->Text(), expected(q)) << changed.name;
        for (auto [col, q] : miscColumns) EXPECT_EQ(MiscFrm->Grid.Cell(col, 1), expected(q)) << changed.name;
        for (int t = 1; t <= 5; ++t) EXPECT_EQ(SpanTextTable[1][t], expected(memberTexts[t - 1])) << changed.name;
    }
    fill("");
}

}  // namespace
