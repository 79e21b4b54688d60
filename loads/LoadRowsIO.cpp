// Load rows between the window's texts (display units) and LoadRows (N, mm).
#include "Convert.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "LoadData.h"
#include "SelfWeight.h"
#include "SigFig.h"

namespace {

bool Blank(const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; }

// A typed value; an empty text reads as the given default.
long double ValueOf(const gui::Edit& e, long double empty = 0) {
    std::string t = e.Text();
    return Blank(t) ? empty : StrToFloat(t);
}

// Zero values are shown as empty fields.
void ShowValue(gui::Edit& e, const std::string& text, const char* zero) { e.SetText(text == zero ? "" : text); }

}  // namespace

// Everything is read before anything is stored, so a text that is not a
// number abandons the read with LoadRows and the flags as they were.
void TLoadDataFrm::ReadLoadRows() {
    if (CurrentLoadcase == 0) CurrentLoadcase = 1;
    BArray<LoadRecord, 1, 51> rows = LoadRows;
    BArray<float, 1, 50> flags;
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& r = Row(n);
        float kind = 0;
        if (r.OptionP.Checked()) kind = KindPoint;
        if (r.OptionUDL.Checked()) kind = KindUDL;
        long double dist = ValueOf(r.Edit_Dist) * Factor_L;
        long double load, finish = 0, cover = 0;
        if (r.OptionP.Checked()) {
            load = ValueOf(r.Edit_PL) * Factor_PL;
        } else {
            load = ValueOf(r.Edit_UDLS) * Factor_R;
            finish = ValueOf(r.Edit_UDLF) * Factor_R;
            cover = ValueOf(r.Edit_Cover) * Factor_L;
        }
        long double factor = ValueOf(r.Edit_LF, 1.0L);
        const float fields[] = {kind, float(dist), float(load), float(finish), float(cover), float(factor), 0.0f};
        for (int f = LKind; f <= LApplied; ++f) rows[n][f] = fields[f];
        flags[n] = r.Check.Checked() ? 1.0f : 0.0f;
    }
    float w = SelfWeightRate();
    const float self[] = {KindUDL, 0.0f, w, w, float(BeamLength), float(ValueOf(Edit_LF)),
                          Check_Swt.Checked() ? 1.0f : 0.0f};
    for (int f = LKind; f <= LApplied; ++f) rows[SelfWeightSlot][f] = self[f];

    LoadRows = rows;
    for (int n = 1; n <= MaxLoadRows; ++n) ApplyFlags[CurrentLoadcase][n] = flags[n];
    if (PositionCheckOnRead == 1.0f) CheckLoadPositions();
}

void TLoadDataFrm::FillLoadRows() {
    if (CurrentLoadcase == 0) CurrentLoadcase = 1;
    FillingForm = 1;
    if (BeamLength == 0) return;
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& r = Row(n);
        const LoadRecord& row = LoadRows[n];
        int k = FloatToInt(row[LKind]);
        if (k == 1) {
            r.OptionP.SetChecked(true);
        } else if (k == -1) {
            r.OptionUDL.SetChecked(true);
        } else if (k == 0) {
            r.OptionP.SetChecked(false);
            r.OptionUDL.SetChecked(false);
            for (gui::Edit* e : r.ValueEdits()) {
                e->SetVisible(false);
                e->SetText("");
            }
        }
        if (FloatToInt(row[LApplied]) == -1) r.Check.SetChecked(false);
        ShowValue(r.Edit_Dist, SigFig4Dec3(row[LDist] / Factor_L), "0.000");
        if (k == 1) ShowValue(r.Edit_PL, SigFig4Dec3(row[LStart] / Factor_PL), "0.000");
        if (k == -1) {
            ShowValue(r.Edit_UDLS, SigFig4Dec3(row[LStart] / Factor_R), "0.000");
            ShowValue(r.Edit_UDLF, SigFig4Dec3(row[LFinish] / Factor_R), "0.000");
            ShowValue(r.Edit_Cover, SigFig4Dec3(row[LCover] / Factor_L), "0.000");
        }
        if (k == 1 || k == -1) ShowValue(r.Edit_LF, SigFig3Dec3(row[LFactor]), "0.00");
    }
    if (Material == "HRS" && SameForAllSpans == 1) {
        const LoadRecord& self = LoadRows[SelfWeightSlot];
        Frame_SWt.SetVisible(true);
        Check_Swt.SetChecked(self[LApplied] == 1.0f);
        std::string rate = SigFig3Dec3(SelfWeightRate() / Factor_R);
        lbl_Swt.SetCaption(std::string(" ").append(rate).append(" ").append(Unit_R.str()));
        Edit_LF.SetText(SigFig3Dec3(self[LFactor] == 0.0f ? 1.4 : self[LFactor]));
    }
}
