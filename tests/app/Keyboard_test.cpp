// The keys of every window: Escape cancels or closes, Enter presses the
// default button or a group's own, Tab goes through the controls that can be
// seen in reading order.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "About.h"
#include "Global.h"
#include "GuiTest.h"
#include "Index.h"
#include "Info.h"
#include "Misc.h"
#include "Point.h"
#include "Print.h"
#include "ResultsBeam.h"
#include "SectionTables.h"
#include "SetHeader.h"
#include "printing/PrintTest.h"
#include "beam/BeamTest.h"
#include "beam/ChooseUnits.h"

using namespace results_test;

namespace {

class Keyboard : public BeamWindowsAndFiles {
protected:
    void TearDown() override {
        for (gui::Form* f : std::initializer_list<gui::Form*>{PreferencesFrm, PointFrm, SetHeaderFrm, PrintFrm,
                                                             AboutBox, InfoFrm, MiscFrm, IndexFrm})
            f->Hide();
        Header_User = "";
        PointDistance = 0;
        BeamWindowsAndFiles::TearDown();
    }
};

// As the user starts editing a grid's cell and types into it.
void EditCell(gui::Form& form, gui::StringGrid& grid, const std::string& text) {
    grid.SetCurrent(1, 1);
    grid.SetFocus();
    gui::PressKey(form, gui::Key::F2);
    gui::TypeText(grid, text);
}

// Escape is the window's Cancel, or closes it where it has none: the window
// goes and what was changed in it is not taken. In a cell being edited the
// first Escape gives the cell back what it held, and the window stays.
TEST_F(Keyboard, EscapeClosesEveryWindowAndTakesNothing) {
    print_test::LogDevice printer;
    const auto beamTaken = [] {
        return std::to_string(BeamLength) + " " + BeamFrm->Grid_Lengths.Cell(1, 1) + " " + SpanTextTable[1][TLength];
    };
    const struct {
        const char* window;
        gui::Form& form;
        void (*change)();
        std::function<std::string()> taken;  // what the window's main action would change
        bool editing = false;                // the change leaves a cell being edited
    } rows[] = {
        {"Preferences", *PreferencesFrm, [] { Option(*PreferencesFrm, Quantity::Stress, "KSI").Click(); },
         [] { return Unit_St.str(); }},
        {"Beam Data", *BeamFrm, [] { beamtest::Type(BeamFrm->Grid_Lengths, 1, 1, "7"); }, beamTaken},
        {"Beam Data, a cell being edited", *BeamFrm, [] { EditCell(*BeamFrm, BeamFrm->Grid_Lengths, "7"); },
         beamTaken, true},
        {"Load Data", *LoadDataFrm, [] { LoadDataFrm->Row(1).Check.Click(); },
         [] {
             LoadDataFrm->Hide();  // and opened again, row 1 applied as it was
             LoadDataFrm->Show();
             return std::to_string(LoadDataFrm->Row(1).Check.Checked()) + " " + std::to_string(ResultsReady);
         }},
        {"Results at point", *PointFrm, [] { PointFrm->Edit_Dist.SetText("2"); },
         [] { return std::to_string(PointDistance); }},
        {"Set Header", *SetHeaderFrm, [] { SetHeaderFrm->Edit_User.SetText("Ann"); }, [] { return Header_User.str(); }},
        {"Print Options", *PrintFrm, [] { PrintFrm->Check_Beam.Click(); },
         [&] { return std::to_string(printer.Documents()); }},
        {"About", *AboutBox, [] {}, [] { return std::string(); }},
        {"Info", *InfoFrm, [] {}, [] { return std::string(); }},
        {"Misc", *MiscFrm, [] {}, [] { return std::string(); }},
        {"Misc, a cell being edited", *MiscFrm, [] { EditCell(*MiscFrm, MiscFrm->Grid, "Beam X"); },
         [] { return MiscFrm->Grid.Cell(1, 1); }, true},
    };
    beamtest::Fresh();
    TwoSpanUdl();
    BeamFrm->ShowBeamData();  // the windows show the beam, as after Open
    LoadDataFrm->RestoreLoadRows();
    for (const auto& row : rows) {
        row.form.Show();
        Messages().clear();
        const std::string before = row.taken();
        row.change();
        if (row.editing) {
            gui::PressKey(row.form, gui::Key::Escape);
            EXPECT_TRUE(row.form.Showing()) << row.window;
            EXPECT_EQ(row.taken(), before) << row.window;
        }
        gui::PressKey(row.form, gui::Key::Escape);
        EXPECT_FALSE(row.form.Showing()) << row.window;
        EXPECT_EQ(row.taken(), before) << row.window;
        EXPECT_EQ(Messages(), Lines_t{}) << row.window;
    }
}

// Enter presses the default button, wherever the focus is but on a button or
// in a group with a button of its own, which it presses instead; it takes no
// window past a group's entries not taken, and in a cell being edited it
// ends the editing.
TEST_F(Keyboard, EnterPressesTheDefaultButton) {
    print_test::LogDevice printer;
    const auto type = [](gui::Edit& e, const char* text) {
        e.SetText(text);
        e.SetFocus();
    };
    TBeamFrm& b = *BeamFrm;
    const auto timber = [&b] {  // typed over a section typed before
        b.ShowBeamData();
        b.Timber1.Click();
        beamtest::Type(b.Edit_Timber_E, "11000");
        beamtest::Type(b.Edit_Timber_W, "100");
        beamtest::Type(b.Edit_Timber_H, "300");
    };
    const auto section = [&b] { return b.Edit_Ixx.Text() + " " + b.Edit_E.Text(); };
    const struct {
        const char* window;
        gui::Form& form;
        std::function<void()> focus;  // none: the focus as the window opens
        gui::Key key;
        bool stays;  // the window stays shown
        std::function<std::string()> done;
        std::string expected;
    } rows[] = {
        {"About", *AboutBox, nullptr, gui::Key::Enter, false, [] { return std::string(); }, ""},
        {"Set Header", *SetHeaderFrm, [&] { type(SetHeaderFrm->Edit_User, "Ann"); }, gui::Key::Enter, false,
         [] { return Header_User.str(); }, "Ann"},
        {"Set Header, by the keypad's Enter", *SetHeaderFrm, [&] { type(SetHeaderFrm->Edit_User, "Bob"); },
         gui::Key::KeypadEnter, false, [] { return Header_User.str(); }, "Bob"},
        {"Results at point", *PointFrm, [&] { type(PointFrm->Edit_Dist, "2.5"); }, gui::Key::Enter, true,
         [] { return PointFrm->Grid_RaP.Cell(1, 2); }, "-6.250"},
        {"Print Options", *PrintFrm,
         [] {
             PrintFrm->Check_Beam.SetCheckedQuietly(true);
             PrintFrm->Check_Beam.SetFocus();
         },
         gui::Key::Enter, false, [&] { return std::to_string(printer.Documents()); }, "1"},
        {"Preferences", *PreferencesFrm, [] { Option(*PreferencesFrm, Quantity::Shear, "kN").SetFocus(); },
         gui::Key::Enter, false, [] { return Unit_Sh.str(); }, "kN"},
        {"Beam Data, the timber section's height", b,
         [&] {
             timber();
             b.Edit_Timber_H.SetFocus();
         },
         gui::Key::Enter, true, section, "22500 11000"},
        {"Beam Data, elsewhere, the timber section not taken", b,
         [&] {
             timber();
             b.Edit_Spans.SetFocus();
         },
         gui::Key::Enter, true, [&] { return section() + (gui::HasFocus(b.cmd_TimCalc) ? ", its OK focused" : ""); },
         "10000 205000, its OK focused"},
        {"Beam Data, the section data's list", b,
         [&] {
             b.cmd_ShowProps.Click();
             b.List_Props.SetFocus();
         },
         gui::Key::Enter, true, [&] { return std::to_string(b.Frame_Data.Visible()); }, "0"},
        {"Beam Data", b,
         [&] {
             b.ShowBeamData();
             b.Edit_Spans.SetFocus();
         },
         gui::Key::Enter, false, [] { return std::to_string(ResultsReady); }, "0"},  // Next: the beam is new
        {"Misc", *MiscFrm, nullptr, gui::Key::Enter, false, [] { return std::string(); }, ""},
        {"Misc, a cell being edited", *MiscFrm, [] { EditCell(*MiscFrm, MiscFrm->Grid, "Beam X"); }, gui::Key::Enter,
         true, [] { return MiscFrm->Grid.Cell(1, 1); }, "Beam X"},
    };
    TwoSpanUdl();
    for (const auto& row : rows) {
        bool shown = false;
        gui::SetModalHook([&](gui::Form& form) {
            if (row.focus) row.focus();
            gui::PressKey(form, row.key);
            shown = form.Showing();
        });
        row.form.ShowModal();
        gui::SetModalHook(nullptr);
        EXPECT_EQ(shown, row.stays) << row.window;
        EXPECT_EQ(row.done(), row.expected) << row.window;
    }
}

// Tab and the arrows from one control: where the focus goes, never to a
// control that cannot be seen.
TEST_F(Keyboard, TabGoesThroughTheControlsShownInReadingOrder) {
    TBeamFrm& b = *BeamFrm;
    TPreferencesFrm& p = *PreferencesFrm;
    TLoadDataFrm& l = *LoadDataFrm;
    TSetHeaderFrm& h = *SetHeaderFrm;
    TIndexFrm& m = *IndexFrm;
    // A span analysed, its section typed and each member's own; Cancel after
    // the section data leaves the section list under them.
    results_test::SetBeam({6000});
    results_test::Udl(1, 0, 10, 10, 6000, 1);
    results_test::FinishLoads();
    ASSERT_EQ(results_test::Analyse(), Lines_t{});
    SameForAllSpans = -1;
    SectionFamily = "";
    beamtest::Fresh(false);
    b.cmd_ShowProps.Click();
    b.cmdCancel.Click();
    b.Show();
    ASSERT_TRUE(b.Frame_Steel.Visible() && b.Frame_Data.Visible());
    const auto inCell = [&b](int row) {  // of the per-member grid's column 1
        return [&b, row] {
            b.Grid_Spans.SetCurrent(1, row);
            b.Grid_Spans.SetFocus();
        };
    };
    const struct {
        const char* from;
        gui::Form& form;
        std::function<void()> focus;
        gui::Key key;
        gui::Control& to;
        int col = 0, row = 0;  // the per-member grid's current cell, where it takes the focus
    } rows[] = {
        {"the last cell of the per-member grid, past the list under the section data", b, inCell(5), gui::Key::Tab,
         b.List_Props},
        {"the last cell of the per-member grid, being edited", b,
         [&] {
             inCell(5)();
             gui::PressKey(b, gui::Key::F2);
         },
         gui::Key::Tab, b.List_Props},
        {"the last cell of the per-member grid, by Down", b, inCell(5), gui::Key::Down, b.Grid_Spans, 1, 5},
        {"the last cell of the per-member grid, by Right", b, inCell(5), gui::Key::Right, b.Grid_Spans, 1, 5},
        {"a cell of the per-member grid, by Ctrl+Tab", b, inCell(2), gui::Key::CtrlTab, b.List_Props},
        {"a cell of the per-member grid being edited, by Ctrl+Tab", b,
         [&] {
             inCell(2)();
             gui::PressKey(b, gui::Key::F2);
         },
         gui::Key::CtrlTab, b.List_Props},
        {"the first cell of the per-member grid, backwards", b, inCell(1), gui::Key::BackTab, b.Edit_SpanNo},
        {"a cell of the per-member grid, by Ctrl+Shift+Tab", b, inCell(2), gui::Key::CtrlBackTab, b.Edit_SpanNo},
        {"the control after the per-member grid, backwards into its last cell", b,
         [&] { b.Grid_Spans.SetCurrent(0, 0); b.List_Props.SetFocus(); }, gui::Key::BackTab, b.Grid_Spans, 1, 5},
        {"Next >, round to the first control shown", b, [&] { b.cmdNext.SetFocus(); }, gui::Key::Tab, b.Check_LHC},
        {"the span count, past its arrows", b, [&] { b.Edit_Spans.SetFocus(); }, gui::Key::Tab, b.Check_RHC},
        {"the last load row's Apply, on to the buttons", l,
         [&] {
             int last = MaxLoadRows;
             while (!l.Row(last).Panel_.Visible()) --last;
             l.Row(last).Check.SetFocus();
         },
         gui::Key::Tab, l.cmdBack},
        {"Expand, by Space, its window grown past the screen", l, [&] { l.Button4.SetFocus(); }, gui::Key::Space,
         l.Button4},
        {"the tabs, into the page before the buttons", p, [&] { p.PageControl1.SetFocus(); }, gui::Key::Tab,
         Option(p, Quantity::Shear, "kN")},
        {"a unit, to the next group's", p, [&] { Option(p, Quantity::Shear, "kN").SetFocus(); }, gui::Key::Tab,
         Option(p, Quantity::Moment, "kN-m")},
        {"a unit not chosen, to the next group's", p, [&] { Option(p, Quantity::Shear, "lbf").SetFocus(); },
         gui::Key::Tab, Option(p, Quantity::Moment, "kN-m")},
        {"a unit, by its arrow", p, [&] { Option(p, Quantity::Shear, "kN").SetFocus(); }, gui::Key::Down,
         Option(p, Quantity::Shear, "lbf")},
        {"the header's OK, round past the company, which cannot be changed", h, [&] { h.Button1.SetFocus(); },
         gui::Key::Tab, h.Edit_User},
        {"the header's user, backwards past the company", h, [&] { h.Edit_User.SetFocus(); }, gui::Key::BackTab,
         h.Button1},
        {"the results list, backwards to the loadcase spinner", m, [&] { m.List_Results.SetFocus(); },
         gui::Key::BackTab, m.UpDown1},
        {"the loadcase spinner, by its arrow key", m, [&] { m.UpDown1.SetFocus(); }, gui::Key::Down, m.UpDown1},
        {"the span count, by the arrow key, its window activated again", b, [&] { b.UpDown_Spans.Step(1); b.Edit_Spans.SetFocus(); },
         gui::Key::Down, b.Edit_Spans},
    };
    p.PageControl1.SetActivePageIndex(1);
    for (gui::Form* f : std::initializer_list<gui::Form*>{&p, &l, &h, &m}) f->Show();
    for (const auto& row : rows) {
        row.focus();
        gui::PressKey(row.form, row.key);
        EXPECT_TRUE(gui::HasFocus(row.to)) << row.from;
        EXPECT_TRUE(gui::InView(row.to)) << row.from;
        if (row.col) {
            EXPECT_EQ(b.Grid_Spans.Col(), row.col) << row.from;
            EXPECT_EQ(b.Grid_Spans.Row(), row.row) << row.from;
        }
    }
    EXPECT_TRUE(Option(p, Quantity::Shear, "lbf").Checked());  // the arrow chose it
    EXPECT_EQ(Unit_Sh, "kN");                                  // until OK
    EXPECT_EQ(m.lbl_Case.Caption(), "All");                    // the arrow stepped from the one loadcase
    EXPECT_EQ(b.Edit_Spans.Text(), "1");                       // the key stepped the spans back
}

// Tab into the section list chooses nothing; the arrows choose, passing
// over the blank lines between groups.
TEST_F(Keyboard, KeysChooseASectionButTakingTheFocusDoesNot) {
    TBeamFrm& b = *BeamFrm;
    const struct {
        const char* keys;
        gui::Key key;
        const char* ixx;
        const char* y;
    } rows[] = {
        {"Tab into the list", gui::Key::Tab, "1000", "100"},
        {"Down, to the first section", gui::Key::Down, "473.4", "63.50"},
        {"Down, past the blank line", gui::Key::Down, "834.3", "76.20"},
        {"Up, past it again", gui::Key::Up, "473.4", "63.50"},
        {"Up, at the top", gui::Key::Up, "473.4", "63.50"},
    };
    beamtest::Fresh();
    WriteSectionTables();
    beamtest::OneSectionBeam({"5"}, "1000", "205000", "100");
    b.UniversalBeams1.Click();
    b.Edit_Yrec.SetFocus();
    for (const auto& row : rows) {
        gui::PressKey(b, row.key);
        EXPECT_TRUE(gui::HasFocus(b.List_Sect)) << row.keys;
        EXPECT_EQ(b.Edit_Ixx.Text(), row.ixx) << row.keys;
        EXPECT_EQ(b.Edit_Yrec.Text(), row.y) << row.keys;
    }
}

}  // namespace
