// The window side of the unit conversion: the texts and unit labels of the
// beam data, loads and miscellaneous-sections windows.
#include "Beam.h"
#include "BeamText.h"
#include "Global.h"
#include "LoadData.h"
#include "Misc.h"
#include "UnitConversion.h"

namespace {
// A cell that shows member text t, re-expressed by itself where its unit
// changed.
std::string ConvertedMemberCell(const std::string& text, int t, int width) {
    if (text.empty() || OldMemberFactor(t) == MemberFactor(t)) return text;
    return ConvertedText(text, OldMemberFactor(t), MemberFactor(t), FieldRule::Member, width);
}

// Timber calculator and modulus labels, then the member values of the
// grids and section edits, which follow their member texts.
void ConvertBeamWindow(TBeamFrm& f) {
    ConvertEdit(f.Edit_Timber_W, OldFactors[Old_Sect_L], Factor_Sect_L);
    f.lbl_Wunit.SetCaption(Unit_Sect_L);
    ConvertEdit(f.Edit_Timber_H, OldFactors[Old_Sect_L], Factor_Sect_L);
    f.lbl_Hunit.SetCaption(Unit_Sect_L);
    ConvertEdit(f.Edit_Timber_E, OldFactors[Old_Sect_E], Factor_Sect_E);
    f.Label_TimE.SetCaption(Unit_Sect_E);
    f.lbl_S.SetCaption(PlasticModulusLabel());
    f.lbl_Z.SetCaption(ElasticModulusLabel());

    // The overview's cells of members not in the beam and of the last
    // section chosen, then every text that shows a member's own.
    gui::StringGrid& overview = f.Grid_SpanData;
    for (int row = 2; row <= 6; ++row)  // length, E, Ixx, y, area: member texts 1 to 5
        for (int col = 1; col < overview.ColCount(); ++col)
            overview.SetCell(col, row, ConvertedMemberCell(overview.Cell(col, row), row - 1, FieldWidth(overview.ColWidth(col))));
    f.ShowMemberTexts();
    f.Label_IxxUnit.SetCaption(Unit_Sect_I);
    f.Label_Eunit.SetCaption(Unit_Sect_E);
    f.Label_YrecUnit.SetCaption(Unit_Sect_L);
    f.WriteGridHeadings();
}

// Unit labels over the load columns, then the five value edits of every
// row, shown or not, and the self-weight rate; the load factors are not
// units.
void ConvertLoadsWindow(TLoadDataFrm& f) {
    f.lbl_PL.SetCaption(UnitInBrackets(Unit_PL));
    f.lbl_PLdist.SetCaption(UnitInBrackets(Unit_L));
    f.lbl_UDLS.SetCaption(UnitInBrackets(Unit_R));
    f.lbl_UDLF.SetCaption(UnitInBrackets(Unit_R));
    f.lbl_Cover.SetCaption(UnitInBrackets(Unit_L));
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& row = f.Row(n);
        ConvertEdit(row.Edit_PL, OldFactors[Old_PL], Factor_PL);
        ConvertEdit(row.Edit_Dist, OldFactors[Old_L], Factor_L);
        ConvertEdit(row.Edit_UDLS, OldFactors[Old_R], Factor_R);
        ConvertEdit(row.Edit_UDLF, OldFactors[Old_R], Factor_R);
        ConvertEdit(row.Edit_Cover, OldFactors[Old_L], Factor_L);
    }
    f.ShowSelfWeightRate();
}

// Ixx, E and y of the 250 sections; y too, so that a later Save stores
// what was typed.
void ConvertMiscWindow(TMiscFrm& f) {
    f.Grid.SetCell(2, 0, "     Ixx (" + Unit_Sect_I.str() + ")");
    f.Grid.SetCell(3, 0, "     E (" + Unit_Sect_E.str() + ")");
    f.Grid.SetCell(4, 0, "     y (" + Unit_Sect_L.str() + ")");
    ConvertGridColumn(f.Grid, 2, 1, MiscSections, OldFactors[Old_Sect_I], Factor_Sect_I);
    ConvertGridColumn(f.Grid, 3, 1, MiscSections, OldFactors[Old_Sect_E], Factor_Sect_E);
    ConvertGridColumn(f.Grid, 4, 1, MiscSections, OldFactors[Old_Sect_L], Factor_Sect_L);
}
}  // namespace

void ConvertOpenData() {
    ConvertSpanTexts();
    if (BeamFrm) ConvertBeamWindow(*BeamFrm);
    if (LoadDataFrm) ConvertLoadsWindow(*LoadDataFrm);
    if (MiscFrm) ConvertMiscWindow(*MiscFrm);
}
