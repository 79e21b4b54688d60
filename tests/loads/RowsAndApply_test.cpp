// Row kinds, resets, Expand, Clear, showing the window and the Apply boxes.
#include "LoadsTest.h"

namespace {

bool Shown(gui::Edit& e) { return e.Visible(); }

// A kind shows the boxes it needs and keeps the texts; chosen in the last
// row shown, it brings the next row into view.
TEST_F(LoadsWindow, KindChoiceShowsTheBoxesItNeedsAndTheNextRow) {
    ASSERT_EQ(F().FormRowsShown, 5);
    F().FormRowsShown = 6;
    R(7).OptionP.Click();
    EXPECT_EQ(F().FormRowsShown, 7);
    EXPECT_TRUE(R(8).Panel_.Visible());
    EXPECT_FALSE(R(9).Panel_.Visible());

    FactoredLoads = -1;
    R(3).OptionUDL.Click();
    EXPECT_EQ(F().FormRowsShown, 7);
    EXPECT_TRUE(Shown(R(3).Edit_Dist) && Shown(R(3).Edit_UDLS) && Shown(R(3).Edit_UDLF) && Shown(R(3).Edit_Cover));
    EXPECT_FALSE(Shown(R(3).Edit_PL) || Shown(R(3).Edit_LF));
    R(3).Edit_Dist.SetText("4");
    R(3).OptionP.Click();
    EXPECT_TRUE(Shown(R(3).Edit_PL) && Shown(R(3).Edit_Dist));
    EXPECT_FALSE(Shown(R(3).Edit_UDLS) || Shown(R(3).Edit_UDLF) || Shown(R(3).Edit_Cover));
    EXPECT_EQ(R(3).Edit_Dist.Text(), "4");
    FactoredLoads = 1;
    R(3).OptionUDL.Click();
    EXPECT_TRUE(Shown(R(3).Edit_LF));
}

TEST_F(LoadsWindow, ExpandShowsAllRowsAndRowFiftysUdlBoxes) {
    F().Button4.Click();
    EXPECT_EQ(F().FormRowsShown, 50);
    for (int n = 1; n <= 50; ++n) EXPECT_TRUE(R(n).Panel_.Visible()) << n;
    EXPECT_TRUE(Shown(R(50).Edit_UDLS) && Shown(R(50).Edit_Cover) && Shown(R(50).Edit_LF));
    EXPECT_FALSE(Shown(R(50).Edit_PL));
    EXPECT_EQ(F().Height(), 50 * 35 + 380);
    EXPECT_EQ(F().Panel_Cmds.Top(), F().ClientHeight() - 65);
}

TEST_F(LoadsWindow, DoubleClickEmptiesTheRowAndTakesItOutOfTheLoadcase) {
    Point(2, "1000", "500", "1.2");
    Tick(2);
    ASSERT_EQ(ApplyFlags[1][2], 1.0f);
    R(2).Edit_nn.OnDblClick();
    EXPECT_FALSE(R(2).OptionP.Checked() || R(2).OptionUDL.Checked() || R(2).Check.Checked());
    for (gui::Edit* e : R(2).ValueEdits()) {
        EXPECT_EQ(e->Text(), "");
        EXPECT_FALSE(e->Visible());
    }
    EXPECT_EQ(ApplyFlags[1][2], NotApplied);
    EXPECT_EQ(LoadRows[2][LKind], 0.0f);
    EXPECT_TRUE(gui::HasFocus(R(2).Panel_));
    // A row without a kind cannot be ticked.
    Point(1, "1000", "500");
    Tick(2);
    EXPECT_FALSE(R(2).Check.Checked());
    EXPECT_EQ(ApplyFlags[1][2], NotApplied);
}

TEST_F(LoadsWindow, SelfWeightBoxSetsEveryLoadcaseOrOnlyTheCurrentOne) {
    ShowSteelBeam();
    ASSERT_TRUE(F().Frame_SWt.Visible());
    ToLoadcase(3);
    F().Edit_LF.SetText("");
    F().Check_Swt.Click();
    for (int lc = 1; lc <= 25; ++lc) EXPECT_EQ(ApplyFlags[lc][SelfWeightSlot], 1.0f) << lc;
    EXPECT_EQ(LoadRows[SelfWeightSlot][LFactor], 1.0f);  // a blank factor reads as 1

    SelfWeightScope = -1;
    F().Check_Swt.Click();
    EXPECT_EQ(ApplyFlags[3][SelfWeightSlot], NotApplied);
    EXPECT_EQ(ApplyFlags[2][SelfWeightSlot], 1.0f);
}

TEST_F(LoadsWindow, TicksOfEachLoadcaseSurviveTheSpinnerRowFortyEightToo) {
    F().Button4.Click();
    Point(48, "1000", "500");
    Point(5, "2000", "500");
    Tick(48);
    ToLoadcase(2);
    EXPECT_FALSE(R(48).Check.Checked());
    Tick(5);
    ToLoadcase(1);
    EXPECT_TRUE(R(48).Check.Checked());
    EXPECT_FALSE(R(5).Check.Checked());
    EXPECT_EQ(LoadCaseShown, 1);
    ToLoadcase(7);
    for (int n = 1; n <= 50; ++n) EXPECT_FALSE(R(n).Check.Checked()) << n;
}

TEST_F(LoadsWindow, ClearEmptiesTheRowsAndKeepsTheSelfWeightFlags) {
    F().Button4.Click();
    Udl(12, "0", "1", "1", "1000");
    Tick(12);
    ApplyFlags[4][SelfWeightSlot] = 1;
    ToLoadcase(4);
    LoadCaseShown = 4;
    F().cmd_Clear.Click();
    EXPECT_EQ(F().Height(), 620);
    for (int n = 1; n <= 7; ++n) EXPECT_TRUE(R(n).Panel_.Visible()) << n;
    EXPECT_FALSE(R(8).Panel_.Visible());
    EXPECT_FALSE(R(12).OptionUDL.Checked());
    EXPECT_FALSE(Shown(R(12).Edit_Dist));
    EXPECT_EQ(F().Edit_Case.Text(), "1");
    EXPECT_EQ(F().CurrentLoadcase, 1);
    EXPECT_EQ(ApplyFlags[1][12], 0.0f);
    EXPECT_EQ(ApplyFlags[4][SelfWeightSlot], 1.0f);
    EXPECT_EQ(LoadCaseShown, 4);
}

TEST_F(LoadsWindow, ShowingOpensOnTheSavedLoadcaseOnlyUpToFive) {
    F().Hide();
    F().SavedLoadcase = 7;
    F().Show();
    EXPECT_EQ(F().Edit_Case.Text(), "1");
    EXPECT_TRUE(F().Edit_Case.ReadOnly());  // the arrows alone choose the loadcase
    EXPECT_EQ(F().UpDown_Case.Position(), 1);
    F().Hide();
    F().SavedLoadcase = 5;
    F().SavedRowsShown = 12;
    F().Show();
    EXPECT_EQ(F().CurrentLoadcase, 5);
    EXPECT_EQ(F().UpDown_Case.Position(), 5);
    EXPECT_TRUE(R(13).Panel_.Visible());
    EXPECT_FALSE(R(14).Panel_.Visible());
    EXPECT_EQ(F().Height(), 12 * 35 + 380);
    // A new beam starts on loadcase 1, whatever the opened one was left on.
    F().Hide();
    F().ResetLoadcases();
    F().Show();
    EXPECT_EQ(F().CurrentLoadcase, 1);
}

TEST_F(LoadsWindow, ShowingFillsTheRowsInDisplayUnitsAndTheSelfWeight) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    ShowSteelBeam();
    F().Hide();
    test::LoadRow(1, KindUDL, 2500, 4, 0, 1000, 1.4f);
    LoadRows[SelfWeightSlot][LApplied] = 1;
    F().Show();
    EXPECT_TRUE(R(1).OptionUDL.Checked());
    EXPECT_EQ(R(1).Edit_Dist.Text(), "2.500");
    EXPECT_EQ(R(1).Edit_UDLS.Text(), "4.000");
    EXPECT_EQ(R(1).Edit_UDLF.Text(), "");
    EXPECT_EQ(R(1).Edit_Cover.Text(), "1.000");
    EXPECT_EQ(R(1).Edit_LF.Text(), "1.40");
    EXPECT_EQ(F().lbl_Swt.Caption(), " 0.770 kN/m");
    EXPECT_EQ(F().Edit_LF.Text(), "1.40");
    EXPECT_EQ(F().lbl_PLdist.Caption(), "(m)");
    EXPECT_EQ(F().FillingForm, 0);
}

}  // namespace
