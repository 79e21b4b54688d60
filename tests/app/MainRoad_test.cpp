// The engineer's whole road through the windows: a beam typed into the beam
// data window, loads typed into the loads window, the analysis started by
// Next, the results saved, cleared by New and opened again.
#include <gtest/gtest.h>
#include <filesystem>
#include "Global.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "Point.h"
#include "PointResults.h"
#include "ResultsBeam.h"
#include "TempDir.h"
#include "beam/BeamTest.h"

namespace {

void TypeRow(LoadRowControls& row, bool point, const std::string& dist, const std::string& value,
             const std::string& cover = "") {
    (point ? row.OptionP : row.OptionUDL).Click();
    row.Edit_Dist.SetText(dist);
    if (point) {
        row.Edit_PL.SetText(value);
    } else {
        row.Edit_UDLS.SetText(value);
        row.Edit_UDLF.SetText(value);
        row.Edit_Cover.SetText(cover);
    }
}

// Puts the windows back as start-up left them, the main window hidden.
class MainRoad : public results_test::BeamWindowsAndFiles {
protected:
    void TearDown() override {
        IndexFrm->Hide();
        BeamWindowsAndFiles::TearDown();
    }
    TempDir jobs;
};

TEST_F(MainRoad, TypedBeamAndLoadsAreAnalysedSavedAndOpenedAgain) {
    using namespace beamtest;
    Fresh();
    // Two spans of 6 m, I = 10000 cm^4, E = 205000 N/mm^2 (default units m, kN, kN/m).
    OneSectionBeam({"6", "6"}, "10000", "205000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    ASSERT_TRUE(LoadDataFrm->Showing());
    EXPECT_EQ(BeamLength, 12000.0);

    // Loadcase 1: 10 kN/m over both spans. Loadcase 2: 50 kN at the middle of span 1.
    TLoadDataFrm& loads = *LoadDataFrm;
    loads.cmd_Clear.Click();
    loads.UpDown_Case.Step(-1);  // loadcase 1, as the spinner leaves it at its lower end
    ASSERT_EQ(loads.Edit_Case.Text(), "1");
    TypeRow(loads.Row(1), false, "0", "10", "12");
    TypeRow(loads.Row(2), true, "3", "50");
    loads.Row(1).Check.Click();
    loads.UpDown_Case.Step(1);
    loads.Row(2).Check.Click();
    loads.cmd_Next.Click();
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    ASSERT_TRUE(IndexFrm->Showing());
    ASSERT_EQ(NumLoadcases, 2);
    ASSERT_EQ(ResultsReady, 1);

    // 3wL/8, 10wL/8, 3wL/8; and 13P/32, 22P/32, -3P/32.
    EXPECT_NEAR(CaseReaction[1][1], 22500, 1e-2);
    EXPECT_NEAR(CaseReaction[1][2], 75000, 1e-2);
    EXPECT_NEAR(CaseReaction[1][3], 22500, 1e-2);
    EXPECT_NEAR(CaseReaction[2][1], 20312.5, 1e-2);
    EXPECT_NEAR(CaseReaction[2][2], 34375, 1e-2);
    EXPECT_NEAR(CaseReaction[2][3], -4687.5, 1e-2);
    const std::vector<std::string> results = Items(IndexFrm->List_Results);
    ASSERT_FALSE(results.empty());

    const std::string path = (jobs.path() / "two spans.kvl").string();
    gui::FileDialog::SetHook([&](const gui::FileDialog&) { return path; });
    IndexFrm->SaveAs1.Click();
    ASSERT_TRUE(std::filesystem::exists(path));
    IndexFrm->New1.Click();
    EXPECT_EQ(BeamLength, 0.0);
    BeamFrm->Hide();
    IndexFrm->Open1.Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(BeamLength, 12000.0);
    EXPECT_NEAR(CaseReaction[2][2], 34375, 1e-2);
    EXPECT_EQ(Items(IndexFrm->List_Results), results);
    EXPECT_TRUE(IndexFrm->Save1.Enabled());
    // The loads window shown after Open draws its distributed loads with their rates.
    IndexFrm->Loads1.Click();
    ASSERT_EQ(loads.Edit_Case.Text(), "1");
    EXPECT_EQ(UDLOutline[1][1][1][OutlineRate], 10.0f);
    loads.cmd_Cancel.Click();

    // Span 1 becomes 7 m and the loads window is cancelled: nothing of the
    // 6 m analysis is shown, listed, drawn or queried any more.
    IndexFrm->Beam1.Click();
    Type(BeamFrm->Grid_Lengths, 1, 1, "7");
    BeamFrm->cmdNext.Click();
    loads.cmd_Cancel.Click();
    ASSERT_EQ(BeamLength, 13000.0);
    EXPECT_EQ(ResultsReady, 0);
    const std::vector<std::string> stale = {"Analyse the beam first"};
    EXPECT_EQ(Items(IndexFrm->List_Results), stale);
    EXPECT_TRUE(Items(IndexFrm->List_CaseResults).empty());
    IndexFrm->Default1.Click();
    IndexFrm->UpDown1.Step(1);
    EXPECT_EQ(Items(IndexFrm->List_Results), stale);
    EXPECT_TRUE(Items(IndexFrm->List_CaseResults).empty());
    PointFrm->Show();
    PointFrm->Edit_Dist.SetText("3");
    PointFrm->cmd_Calc.Click();
    PointFrm->Hide();
    EXPECT_EQ(Messages(), stale);
    EXPECT_EQ(PointMoment[1], 0.0f);
    EXPECT_TRUE(PointFrm->List_Results.Count() == 0);

    Messages().clear();
    IndexFrm->Analyse2.Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(ResultsReady, 1);
    // Three moments over 7 m and 6 m: M = P a (L1^2 - a^2) / (2 L1 (L1 + L2)).
    EXPECT_NEAR(CaseReaction[2][2], 31632.65, 1e-2);
    EXPECT_NE(Items(IndexFrm->List_Results), results);

    // Span 2 becomes 4 m and the loads window is cancelled: the 12 m load no
    // longer fits, so Analyse says so and analyses nothing.
    IndexFrm->Beam1.Click();
    Type(BeamFrm->Grid_Lengths, 2, 1, "4");
    BeamFrm->cmdNext.Click();
    loads.cmd_Cancel.Click();
    Messages().clear();
    IndexFrm->Analyse2.Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"The beam cannot be analysed: load row 1 ends at 12000 mm, past "
                                                   "the end of the beam at 11000 mm."});
    EXPECT_EQ(ResultsReady, 0);
    EXPECT_EQ(Items(IndexFrm->List_Results), stale);
    EXPECT_FALSE(IndexFrm->Save1.Enabled());
    IndexFrm->New1.Click();
}

}  // namespace
