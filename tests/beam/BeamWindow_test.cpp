#include <gtest/gtest.h>
#include "BeamTest.h"
#include "app/CanvasLog.h"

using namespace beamtest;

namespace {

using BeamWindow = FreshWindow;

TEST_F(BeamWindow, CantileverAndFixedEndOfOneSideExcludeEachOther) {
    w.Check_LHF.Click();
    w.Check_LHC.Click();
    EXPECT_TRUE(w.Check_LHC.Checked());
    EXPECT_FALSE(w.Check_LHF.Checked());
    w.Check_LHF.Click();
    EXPECT_FALSE(w.Check_LHC.Checked());
    w.Check_RHC.Click();
    w.Check_RHF.Click();
    EXPECT_FALSE(w.Check_RHC.Checked());
    EXPECT_EQ(SupportChoice[0], 2);
    EXPECT_EQ(SupportChoice[25], 2);
    EXPECT_EQ(SupportChoice[1], 1);
    w.Check_RHC.Click();
    EXPECT_FALSE(w.Check_RHF.Checked());
    EXPECT_EQ(SupportChoice[25], 1);
    // Three columns: headings, span 1, RHC.
    EXPECT_EQ(w.Grid_Spans.ColCount(), 3);
    EXPECT_EQ(w.Grid_Lengths.Cell(2, 0), " RHC");
}

TEST_F(BeamWindow, ColumnsAndCaptionsFollowSpansAndCantilevers) {
    w.Check_LHC.Click();
    w.UpDown_Spans.Step(1);
    w.UpDown_Spans.Step(1);
    w.Check_RHC.Click();
    EXPECT_EQ(SpanCount, 3);
    ASSERT_EQ(w.Grid_Spans.ColCount(), 6);
    const char* captions[] = {" LHC ", " Span 1", " Span 2", " Span 3", " RHC"};
    for (int col = 1; col <= 5; ++col) {
        EXPECT_EQ(w.Grid_Spans.Cell(col, 0), captions[col - 1]);
        EXPECT_EQ(w.Grid_Lengths.Cell(col, 0), captions[col - 1]);
    }
    EXPECT_EQ(w.Grid_Spans.Cell(0, 2), "\n Length  (m)");
    EXPECT_EQ(w.Grid_Spans.Cell(0, 3), " Ixx  (cm^4)");
    for (int i = 0; i < 30; ++i) w.UpDown_Spans.Step(1);
    EXPECT_EQ(SpanCount, 25);  // the spinner stops at the most a beam holds
}

TEST_F(BeamWindow, TypingASectionValueSetsEveryMember) {
    Type(w.Edit_Ixx, "4500");
    Type(w.Edit_E, "205000");
    Type(w.Edit_Yrec, "127");
    for (int m = 0; m <= 26; ++m) {
        EXPECT_EQ(SpanTextTable[m][3], "4500") << m;
        EXPECT_EQ(SpanTextTable[m][2], "205000") << m;
        EXPECT_EQ(SpanTextTable[m][4], "127") << m;
    }
    EXPECT_EQ(w.Grid_Spans.Cell(1, 3), "4500");
}

TEST_F(BeamWindow, LengthsGridFeedsTheSpanGridAndOverview) {
    w.Check_LHC.Click();
    w.UpDown_Spans.Step(1);
    Type(w.Grid_Lengths, 1, 1, "1.5");
    Type(w.Grid_Lengths, 3, 1, "6");
    EXPECT_EQ(w.Grid_Spans.Cell(1, 2), "1.5");
    EXPECT_EQ(w.Grid_Spans.Cell(3, 2), "6");
    EXPECT_EQ(SpanTextTable[0][1], "1.5");
    EXPECT_EQ(SpanTextTable[2][1], "6");
    EXPECT_EQ(w.Grid_SpanData.Cell(1, 1), " Yes");
    EXPECT_EQ(w.Grid_SpanData.Cell(1, 2), "1.5");
    EXPECT_EQ(w.Grid_SpanData.Cell(3, 2), "6");
    EXPECT_EQ(w.Grid_SpanData.Cell(4, 1), " No");
    EXPECT_EQ(w.Grid_SpanData.Cell(27, 1), " No");
    EXPECT_FLOAT_EQ(SketchLength, 7500.0f);

    // Per member, typing in the span grid goes back to the lengths grid.
    w.Check_IE.Click();
    EXPECT_TRUE(w.Grid_Spans.Visible());
    EXPECT_FALSE(w.Grid_Lengths.Visible());
    Type(w.Grid_Spans, 2, 2, "4");
    EXPECT_EQ(w.Grid_Lengths.Cell(2, 1), "4");
    EXPECT_EQ(w.Grid_SpanData.Cell(2, 2), "4");
    EXPECT_FLOAT_EQ(SketchLength, 11500.0f);
}

TEST_F(BeamWindow, MemberSelectorStaysOnExistingMembers) {
    Fresh(false);
    w.UpDown_Spans.Step(1);
    w.UpDown_Spans.Step(1);
    w.UpDown_SpanNo.Step(-1);
    EXPECT_EQ(w.Edit_SpanNo.Text(), "1");  // no LHC: not below span 1
    for (int i = 0; i < 5; ++i) w.UpDown_SpanNo.Step(1);
    EXPECT_EQ(w.Edit_SpanNo.Text(), "3");  // no RHC: not above the span count
    EXPECT_EQ(SpanNo, 3);

    w.Check_RHC.Click();
    w.UpDown_SpanNo.Step(1);
    EXPECT_EQ(w.lbl_SpanNo.Caption(), "RHC");
    w.UpDown_Spans.Step(1);  // the RHC stays chosen
    EXPECT_EQ(w.lbl_SpanNo.Caption(), "RHC");
    EXPECT_EQ(w.Edit_SpanNo.Text(), "5");
    EXPECT_EQ(SpanNo, 5);

    w.Check_LHC.Click();
    EXPECT_EQ(SpanNo, 6);  // the RHC column moves right
    for (int i = 0; i < 6; ++i) w.UpDown_SpanNo.Step(-1);
    EXPECT_EQ(w.lbl_SpanNo.Caption(), "LHC");
    EXPECT_EQ(SpanNo, 1);
    w.Check_LHC.Click();  // the LHC gone, the selector moves onto span 1
    EXPECT_EQ(w.lbl_SpanNo.Caption(), "1");
    EXPECT_EQ(SpanNo, 1);
}

TEST_F(BeamWindow, CancelRestoresTheCommittedBeam) {
    w.Check_LHC.Click();
    OneSectionBeam({"6", "4"}, "8000", "205000", "100");
    Type(w.Grid_Lengths, 1, 1, "1.5");
    w.cmdNext.Click();
    ASSERT_FALSE(w.Showing());

    w.Show();
    w.Check_RHF.Click();
    w.UpDown_Spans.Step(1);
    Type(w.Grid_Lengths, 1, 1, "2");
    Type(w.Edit_Ixx, "1");
    w.List_Props.Add("typed");
    w.cmdCancel.Click();
    EXPECT_FALSE(w.Showing());
    EXPECT_TRUE(w.Check_LHC.Checked());
    EXPECT_FALSE(w.Check_RHF.Checked());
    EXPECT_EQ(SpanCount, 2);
    EXPECT_EQ(w.Edit_Spans.Text(), "2");
    EXPECT_EQ(w.Grid_Lengths.ColCount(), 4);
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 1), "1.500");
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 0), " LHC ");
    EXPECT_EQ(w.Grid_Spans.Cell(3, 2), "4.000");
    EXPECT_EQ(w.Grid_Spans.Cell(0, 2), "\n Length  (m)");  // headings untouched
    EXPECT_EQ(w.Edit_Ixx.Text(), "8000");
    EXPECT_EQ(SpanTextTable[1][1], "6.000");
    EXPECT_EQ(SpanTextTable[27][0], "0");
    ASSERT_EQ(w.List_Props.Count(), 4);  // only the stored section text
    EXPECT_EQ(w.List_Props.Item(1), " Ixx = 8000 cm^4");
    EXPECT_TRUE(w.Check_IE.Checked());
}

TEST_F(BeamWindow, ResetEmptiesTheWindow) {
    w.Check_RHC.Click();
    w.Check_LHF.Click();
    OneSectionBeam({"6", "4"}, "8000", "205000", "100");
    FamilyCode = "UB";
    w.ResetBeamForm();
    EXPECT_EQ(w.Grid_Spans.ColCount(), 2);
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 0), " Span 1");
    EXPECT_EQ(w.Grid_Lengths.Cell(1, 1), "");
    EXPECT_EQ(w.Grid_Spans.Cell(1, 3), "");
    EXPECT_FALSE(w.Check_RHC.Checked());
    EXPECT_FALSE(w.Check_LHF.Checked());
    EXPECT_EQ(w.Edit_Spans.Text(), "1");
    EXPECT_EQ(w.Edit_Ixx.Text(), "");
    EXPECT_EQ(w.lbl_Desc.Caption(), " ");
    EXPECT_EQ(SpanCount, 1);
    EXPECT_EQ(SketchLength, 0.0f);
    EXPECT_EQ(FamilyCode, "");
    EXPECT_EQ(SpanTextTable[2][1], "");
    EXPECT_EQ(SupportChoice[25], 0);
    EXPECT_TRUE(w.Check_IE.Checked());
    EXPECT_EQ(gui::PixelAt(w.Image_Beam, 100, 30), gui::clGray);
}

// The sketch: supports, the total and the length labels, in white on grey.
TEST_F(BeamWindow, SketchOfSpansCantileverAndFixedEnd) {
    w.Check_RHF.Click();
    w.Check_LHC.Click();
    OneSectionBeam({"4", "4"}, "8000", "205000", "100");
    gui::Canvas& c = w.Image_Beam.GetCanvas();
    gui::StartLog(c);
    Type(w.Grid_Lengths, 1, 1, "2");  // LHC 2 m: total 10 m, 70.3 px per m
    gui::StopLog(c);
    std::vector<std::string> texts;
    int triangles = 0, walls = 0;
    for (const gui::CanvasOp& op : gui::Log(c)) {
        if (op.Op == "TextOut") texts.push_back(op.Text);
        if (op.Op == "LineTo" && op.PenWidth == 1 && op.Y2 == 30 + 15 && op.X2 == op.X - 10) ++triangles;
        if (op.Op == "LineTo" && op.PenWidth == 2 && op.Y == 30 - 25 && op.Y2 == 30 + 25) {
            ++walls;
            EXPECT_EQ(op.X, 25 + 703);  // the right end
        }
    }
    EXPECT_EQ(triangles, 2);  // the left end after the LHC, and support 1
    EXPECT_EQ(walls, 1);
    EXPECT_EQ(texts, (Lines_t{"Length = 10.00 m", "2.00 m", "4.00 m", "4.00 m"}));
    EXPECT_EQ(gui::PixelAt(w.Image_Beam, 25 + 300, 30), gui::clWhite);

    // A zero cantilever is no cantilever and has no label.
    gui::StartLog(c);
    Type(w.Grid_Lengths, 1, 1, "0");
    gui::StopLog(c);
    texts.clear();
    for (const gui::CanvasOp& op : gui::Log(c))
        if (op.Op == "TextOut") texts.push_back(op.Text);
    EXPECT_EQ(texts, (Lines_t{"Length = 8.00 m", "4.00 m", "4.00 m"}));

    // 25 spans: a length goes under its span where it finds room, never
    // across a support.
    Fresh();
    OneSectionBeam(std::vector<std::string>(25, "4"), "8000", "205000", "100");
    gui::StartLog(c);
    Type(w.Grid_Lengths, 25, 1, "4");
    gui::StopLog(c);
    EXPECT_EQ(CrossedNumbers(gui::Log(c), 0), Lines_t{});
}

TEST_F(BeamWindow, ShowingWritesUnitsAndCaptions) {
    ElasticModXName = "Wel,y";
    ElasticModYName = "Wel,z";
    Unit_Sect_L = "cm";
    w.Hide();
    w.Show();
    EXPECT_EQ(w.lbl_Z.Caption(), "Wel,y/Wel,z = Elastic Modulus");
    EXPECT_EQ(w.lbl_S.Caption(), "Sxx/Syy = Plastic Modulus");
    EXPECT_EQ(w.Label_YrecUnit.Caption(), "cm");
    EXPECT_EQ(w.lbl_Hunit.Caption(), "cm");
    EXPECT_EQ(w.Grid_Spans.Cell(0, 5), "  y  (cm)");
    EXPECT_EQ(w.Grid_SpanData.Cell(0, 6), " 6) Area");
    EXPECT_EQ(w.Grid_SpanData.Cell(2, 0), "Span 1");

    const int height = w.Height();
    w.Label_Hint.Click();  // the overview comes into view
    EXPECT_EQ(w.Top(), 10);
    EXPECT_EQ(w.Height(), 777);
    EXPECT_GT(w.Height(), height);
    EXPECT_EQ(w.Width(), 777);
}

// What Open hands over: a member choice of 0 and a section table that is not
// there must still show the opened beam, with the selector on a member.
TEST_F(BeamWindow, RefillAfterOpenShowsTheBeamWhateverItsTableAndChoice) {
    Fresh(false);
    NumSpans = 2;
    BeamGeometryTable.Fill({});
    for (int k = 1; k <= 2; ++k) {
        BeamGeometryTable[k][0] = 1;
        BeamGeometryTable[k][1] = 5000.0 * k;
        BeamGeometryTable[k][2] = 205000;
        BeamGeometryTable[k][3] = 8e7;
    }
    SupportTypes.Fill(1);
    SupportTypes[25] = 2;
    SpanDescription[1] = "Span one";
    SectionFamily = "UPN";
    std::remove((StartDir + "/UPN.sct").c_str());
    Material = "HRS";
    SameForAllSpans = -1;
    SpanNoStored = 0;
    UniformSectionText[0] = "";
    EXPECT_TRUE(Said([&] { w.ShowBeamData(); }).empty());
    EXPECT_EQ(w.List_Sect.Count(), 0);
    EXPECT_EQ(w.lbl_Group.Caption(), "Rolled Steel Channel");
    EXPECT_EQ(FamilyCode, "UPN");
    EXPECT_EQ(SpanCount, 2);
    EXPECT_EQ(w.Grid_Spans.ColCount(), 3);
    EXPECT_EQ(w.Grid_Spans.Cell(1, 1), "Span one");
    EXPECT_EQ(w.Grid_Spans.Cell(2, 2), "10.00");
    EXPECT_EQ(w.Grid_Spans.Cell(2, 3), "8000");
    EXPECT_TRUE(w.Check_RHF.Checked());
    EXPECT_FALSE(w.Check_IE.Checked());
    EXPECT_TRUE(w.Grid_Spans.Visible());
    EXPECT_EQ(SpanNo, 1);
    EXPECT_EQ(w.lbl_SpanNo.Caption(), "1");
    EXPECT_EQ(w.List_Props.Count(), 0);
}

}  // namespace
