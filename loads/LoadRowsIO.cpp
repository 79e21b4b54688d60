// Load rows between the window's texts (display units) and LoadRows (N, mm),
// and the texts re-expressed when the units change.
#include "Convert.h"
#include "FieldText.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "LoadData.h"
#include "SelfWeight.h"
#include "SigFig.h"
#include "UnitConversion.h"

namespace {

// A typed value times its unit factor, as stored, or the value the window
// wrote while it is not edited; an empty text reads as 0. A text that is not
// a number, or a value too large to store, is refused with a message that
// names the load.
float Stored(const ValueEdit& e, float factor, const std::string& load) {
    return static_cast<float>(e.Stored(factor, FieldRule::Single, load));
}

// Zero values are shown as empty fields.
void ShowValue(ValueEdit& e, float stored, float factor) {
    if (stored == 0)
        e.SetText("");
    else
        e.ShowValue(stored, factor, FieldRule::Single, SigFig4Dec3);
}

}  // namespace

// Everything is read before anything is stored, so a text that is not a
// number abandons the read with LoadRows and the flags as they were.
void TLoadDataFrm::ReadLoadRows() {
    if (CurrentLoadcase == 0) CurrentLoadcase = 1;
    BArray<LoadRecord, 1, 51> rows = LoadRows;
    BArray<float, 1, 50> flags;
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& r = Row(n);
        const std::string load = "Load " + std::to_string(n);
        float kind = 0;
        if (r.OptionP.Checked()) kind = KindPoint;
        if (r.OptionUDL.Checked()) kind = KindUDL;
        float dist = Stored(r.Edit_Dist, Factor_L, load);
        float start, finish = 0, cover = 0;
        if (r.OptionP.Checked()) {
            start = Stored(r.Edit_PL, Factor_PL, load);
        } else {
            start = Stored(r.Edit_UDLS, Factor_R, load);
            finish = Stored(r.Edit_UDLF, Factor_R, load);
            cover = Stored(r.Edit_Cover, Factor_L, load);
        }
        float factor = FieldSingle(r.Edit_LF.Text(), 1, load, 1);
        const float fields[] = {kind, dist, start, finish, cover, factor, 0.0f};
        for (int f = LKind; f <= LApplied; ++f) rows[n][f] = fields[f];
        flags[n] = r.Check.Checked() ? 1.0f : NotApplied;
    }
    float w = SelfWeightRate();
    const float self[] = {KindUDL, 0.0f, w, w, float(BeamLength), FieldSingle(Edit_LF.Text(), 1, "Self-weight load factor", 1),
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
        if (k == 1 || k == -1) {
            (k == 1 ? r.OptionP : r.OptionUDL).SetCheckedQuietly(true);
            ShowLoadRowFields(n);  // what a click on the kind does
        } else if (k == 0) {
            r.OptionP.SetCheckedQuietly(false);
            r.OptionUDL.SetCheckedQuietly(false);
            for (gui::Edit* e : r.ValueEdits()) {
                e->SetVisible(false);
                e->SetText("");
            }
        }
        if (FloatToInt(row[LApplied]) == -1) r.Check.SetCheckedQuietly(false);
        ShowValue(r.Edit_Dist, row[LDist], Factor_L);
        if (k == 1) ShowValue(r.Edit_PL, row[LStart], Factor_PL);
        if (k == -1) {
            ShowValue(r.Edit_UDLS, row[LStart], Factor_R);
            ShowValue(r.Edit_UDLF, row[LFinish], Factor_R);
            ShowValue(r.Edit_Cover, row[LCover], Factor_L);
        }
        // A factor is shown even when 0, as an empty one reads as 1.
        if (k == 1 || k == -1) r.Edit_LF.SetText(ReadBackText(row[LFactor], 1, SigFig3Dec3));
    }
    if (Material == "HRS" && SameForAllSpans == 1) {
        const LoadRecord& self = LoadRows[SelfWeightSlot];
        Frame_SWt.SetVisible(true);
        Check_Swt.SetCheckedQuietly(self[LApplied] == 1.0f);
        ShowSelfWeightRate();
        Edit_LF.SetText(ReadBackText(self[LFactor] == 0.0f ? 1.4f : self[LFactor], 1, SigFig3Dec3));
    }
}

void TLoadDataFrm::ShowSelfWeightRate() {
    const std::string rate = SigFig3Dec3(SelfWeightRate() / Factor_R);
    lbl_Swt.SetCaption(std::string(" ").append(rate).append(" ").append(Unit_R.str()));
}

// Unit labels over the load columns, then the five value edits of every
// row, shown or not, and the self-weight rate; the load factors are not
// units.
void TLoadDataFrm::ConvertUnits() {
    lbl_PL.SetCaption(UnitInBrackets(Unit_PL));
    lbl_PLdist.SetCaption(UnitInBrackets(Unit_L));
    lbl_UDLS.SetCaption(UnitInBrackets(Unit_R));
    lbl_UDLF.SetCaption(UnitInBrackets(Unit_R));
    lbl_Cover.SetCaption(UnitInBrackets(Unit_L));
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& row = Row(n);
        ConvertEdit(row.Edit_PL, Quantity::PointLoad);
        ConvertEdit(row.Edit_Dist, Quantity::Length);
        ConvertEdit(row.Edit_UDLS, Quantity::LoadRate);
        ConvertEdit(row.Edit_UDLF, Quantity::LoadRate);
        ConvertEdit(row.Edit_Cover, Quantity::Length);
    }
    ShowSelfWeightRate();
    RedrawPreview();  // its labels in the new units
}
