#include "ResultsBeam.h"
#include "AppTest.h"
#include "GuiTest.h"
#include "Beam.h"
#include "Index.h"
#include "LoadData.h"
#include "UnitSettings.h"

namespace results_test {

void SetBeam(const std::vector<double>& spans, double lhc, double rhc) {
    test::SetBeam(spans, lhc, rhc);
    ApplyDefaultUnits();
    FactoredLoads = -1;
    SameForAllSpans = 1;
    // As the beam data window writes it for span 1.
    UniformSectionText.Fill({});
    UniformSectionText[0] = "4";
    UniformSectionText[1] = " 203 x 133 x 25 UB";
    UniformSectionText[2] = " Ixx = 10000 cm^4";
    UniformSectionText[3] = "  E  = 205000 N/mm^2";
    UniformSectionText[4] = "  y  = 100 mm";
    for (int m = LHC; m <= RHC; ++m)
        if (BeamGeometryTable[m][GPresent] == 1) {
            BeamGeometryTable[m][GY] = Y;
            SpanDescription[m] = "203 x 133 x 25 UB";
        }
}

std::vector<std::string> Analyse() {
    return Said([] { IndexFrm->AnalyseBeam(); });
}

void TwoSpanUdl(double factor, double length, const std::vector<int>& cases) {
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, length, factor, cases);
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
}

void CantileverAndTwoSpans(int loadcases) {
    SetBeam({4000, 6000}, 1000);
    Udl(1, 0, 10, 10, 11000, 1.0, {1});
    Point(2, 3000, 20000, 1.0, {2});
    if (loadcases == 3) Point(3, 8000, 0, 1.0, {3});
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
}

void AnalysedBeam::TearDown() {
    ResultsReady = 0;
    DisplayMode = 0;
    NumLoadcases = 0;
    BeamLength = 0;
    if (!IndexFrm) return;
    TIndexFrm& f = *IndexFrm;
    for (gui::MenuItem* m : {&f.Save1, &f.SaveAs1, &f.Print1}) m->SetEnabled(false);
    for (gui::Control* c : {static_cast<gui::Control*>(&f.Label_Case), static_cast<gui::Control*>(&f.lbl_Case),
                            static_cast<gui::Control*>(&f.Edit_Case), static_cast<gui::Control*>(&f.UpDown1)})
        c->SetVisible(false);
    f.UpDown1.SetMax(25);
    f.UpDown1.SetPosition(0);
    f.lbl_Case.SetCaption("1");
    f.List_Results.Clear();
    f.List_CaseResults.Clear();
    f.ShownCase = 0;
}

void BeamWindowsAndFiles::TearDown() {
    gui::SetFileDialogHook(nullptr);
    std::filesystem::current_path(ProgramFolder());
    BeamFrm->Hide();
    LoadDataFrm->Hide();
    IndexFrm->SetCaption("Korvela");
    IndexFrm->UpDown1.SetEnabled(true);
    BeamFileName = "";
    AnalysedBeam::TearDown();
}

}  // namespace results_test
