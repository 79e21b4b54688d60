// The window side of the unit conversion: the texts and unit labels of the
// beam data and miscellaneous-sections windows.
#include "Beam.h"
#include "BeamText.h"
#include "Global.h"
#include "Misc.h"
#include "UnitConversion.h"

namespace {
// A cell that shows member text t, re-expressed by itself where its unit
// changed.
std::string ConvertedMemberCell(const std::string& text, int t, int width) {
    if (text.empty() || OldMemberFactor(t) == MemberFactor(t)) return text;
    return ConvertedText(text, OldMemberFactor(t), MemberFactor(t), FieldRule::Member, width);
}

}  // namespace

// Timber calculator and modulus labels, then the member values of the
// grids and section edits, which follow their member texts.
void TBeamFrm::ConvertUnits() {
    TBeamFrm& f = *this;
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

// Ixx, E and y of the 250 sections; y too, so that a later Save stores
// what was typed.
void TMiscFrm::ConvertUnits() {
    TMiscFrm& f = *this;
    f.Grid.SetCell(2, 0, "     Ixx (" + Unit_Sect_I.str() + ")");
    f.Grid.SetCell(3, 0, "     E (" + Unit_Sect_E.str() + ")");
    f.Grid.SetCell(4, 0, "     y (" + Unit_Sect_L.str() + ")");
    ConvertGridColumn(f.Grid, 2, 1, MiscSections, OldFactors[Old_Sect_I], Factor_Sect_I);
    ConvertGridColumn(f.Grid, 3, 1, MiscSections, OldFactors[Old_Sect_E], Factor_Sect_E);
    ConvertGridColumn(f.Grid, 4, 1, MiscSections, OldFactors[Old_Sect_L], Factor_Sect_L);
}
