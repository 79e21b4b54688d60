// What the user typed into the loads window is neither lost nor misread: an
// opened beam keeps its loads through both windows.
#include "LoadsTest.h"
#include "TempDir.h"
#include "beam/BeamTest.h"

namespace {

TEST_F(LoadsWindow, AnOpenedBeamKeepsItsLoadsThroughTheBeamAndLoadsWindows) {
    using namespace beamtest;
    TempDir jobs;
    const std::string path = (jobs.path() / "timber.kvl").string();
    gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });

    // A timber beam of 6 m with 12.3456 kN at 2.34567 m, analysed and saved.
    Fresh();
    MaterialCode = "Timber";
    OneSectionBeam({"6"}, "8000", "8000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Showing());
    F().cmd_Clear.Click();
    Point(1, "2.34567", "12.3456");
    Tick(1);
    // Rows applied in no loadcase keep values of any size, shown again in
    // figures that read back as them.
    Point(2, "3.4e35", "-3.4e35", "3.4e38");
    Udl(3, "1.2345678e30", "3.4028e38", "-1e-45", "1e-45", "-1e38");
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    const auto table = LoadTable;
    const double left = CaseReaction[1][1], right = CaseReaction[1][2];
    IndexFrm->SaveAs1.Click();

    // New: a steel beam whose self weight is ticked.
    IndexFrm->New1.Click();
    Fresh();
    MaterialCode = "HRS";
    OneSectionBeam({"4"}, "8000", "205000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Frame_SWt.Visible());
    F().Check_Swt.Click();

    // The timber beam opened, the tick given up, and taken through both
    // windows with Next.
    QuestionAnswer() = true;
    EXPECT_EQ(Said([] { IndexFrm->Open1.Click(); }),
              Lines_t{"The Load Data window holds entries that Next > has not taken.\rGive them up?"});
    QuestionAnswer() = false;
    IndexFrm->Beam1.Click();
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Showing());
    EXPECT_FALSE(F().Check_Swt.Checked());
    EXPECT_TRUE(R(1).OptionP.Checked() && R(1).Check.Checked());
    EXPECT_EQ(Said([this] { Next(); }), Lines_t{});
    EXPECT_TRUE(LoadTable == table);
    EXPECT_EQ(CaseReaction[1][1], left);
    EXPECT_EQ(CaseReaction[1][2], right);

    gui::SetFileDialogHook(nullptr);
    IndexFrm->New1.Click();
    BeamFrm->Hide();
    BeamFileName = "";
    IndexFrm->SetCaption("Korvela");
}

}  // namespace
