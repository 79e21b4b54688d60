#include "ResultsBeam.h"
#include "AppTest.h"
#include "GuiTest.h"
#include "Index.h"
#include "UnitSettings.h"

namespace results_test {

void SetBeam(const std::vector<double>& spans, double lhc, double rhc) {
    ApplyDefaultUnits();
    FactoredLoads = -1;
    BeamGeometryTable.Fill({});
    SupportTypes.Fill(SupportSimple);
    LoadTable.Fill({});
    LoadcaseActive.Fill(0);
    NumLoadcases = 0;
    NumSpans = static_cast<int32_t>(spans.size());
    SameForAllSpans = 1;
    UniformSectionText.Fill({});
    UniformSectionText[0] = "2";
    UniformSectionText[1] = " Section = 203 x 133 x 25 UB";
    UniformSectionText[2] = " E = 205000 N/mm^2";
    auto member = [](int m, double length) {
        BeamGeometryTable[m][GPresent] = 1;
        BeamGeometryTable[m][GLength] = length;
        BeamGeometryTable[m][GE] = E;
        BeamGeometryTable[m][GIxx] = I;
        BeamGeometryTable[m][GY] = Y;
        SpanDescription[m] = "203 x 133 x 25 UB";
    };
    BeamLength = lhc + rhc;
    for (size_t s = 0; s < spans.size(); ++s) {
        member(static_cast<int>(s) + 1, spans[s]);
        BeamLength += spans[s];
    }
    if (lhc > 0) member(LHC, lhc);
    if (rhc > 0) member(RHC, rhc);
}

namespace {

void Slot(int slot, float kind, double d, double w1, double w2, double cover, double factor,
          const std::vector<int>& cases) {
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        LoadRecord& r = LoadTable[lc][slot];
        r[LKind] = kind;
        r[LDist] = static_cast<float>(d);
        r[LStart] = static_cast<float>(w1);
        r[LFinish] = static_cast<float>(w2);
        r[LCover] = static_cast<float>(cover);
        r[LFactor] = static_cast<float>(factor);
        r[LApplied] = 0;
    }
    for (int lc : cases) LoadTable[lc][slot][LApplied] = 1;
}

}  // namespace

void Point(int slot, double d, double load, double factor, const std::vector<int>& cases) {
    Slot(slot, KindPoint, d, load, 0, 0, factor, cases);
}

void Udl(int slot, double d, double w1, double w2, double cover, double factor, const std::vector<int>& cases) {
    Slot(slot, KindUDL, d, w1, w2, cover, factor, cases);
}

void FinishLoads() {
    NumLoadcases = 0;
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        LoadcaseActive[lc] = 0;
        for (int k = 1; k <= LoadSlots; ++k) {
            const LoadRecord& r = LoadTable[lc][k];
            if (r[LApplied] != 1) continue;
            NumLoadcases = lc;
            if (r[LStart] != 0 || r[LFinish] != 0) LoadcaseActive[lc] = 1;
        }
    }
}

std::vector<std::string> Analyse() {
    ProgramFolder();
    Messages().clear();
    IndexFrm->AnalyseBeam();
    return Messages();
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

}  // namespace results_test
