// The window side of the unit conversion: the texts and unit labels of the
// beam data and miscellaneous-sections windows.
#include "Beam.h"
#include "Global.h"
#include "Misc.h"
#include "UnitConversion.h"

namespace {
// A cell that shows member text t, re-expressed by itself where its unit
// changed.
std::string ConvertedMemberCell(const std::string& text, int t, const FieldFits& fits) {
    if (text.empty() || !UnitChanged(MemberQuantity(t))) return text;
    return ConvertedText(text, MemberQuantity(t), FieldRule::Member, fits);
}
}  // namespace

// Timber calculator and modulus labels, then the member values of the
// grids and section edits, which follow their member texts.
void TBeamFrm::ConvertUnits() {
    ConvertEdit(Edit_Timber_W, Quantity::SectionDimension);
    lbl_Wunit.SetCaption(Unit_Sect_L);
    ConvertEdit(Edit_Timber_H, Quantity::SectionDimension);
    lbl_Hunit.SetCaption(Unit_Sect_L);
    ConvertEdit(Edit_Timber_E, Quantity::E);
    Label_TimE.SetCaption(Unit_Sect_E);
    lbl_S.SetCaption(PlasticModulusLabel());
    lbl_Z.SetCaption(ElasticModulusLabel());

    // The overview's cells of members not in the beam and of the last
    // section chosen, then every text that shows a member's own.
    gui::StringGrid& overview = Grid_SpanData;
    for (int row = 2; row <= 6; ++row)  // length, E, Ixx, y, area: member texts 1 to 5
        for (int col = 1; col < overview.ColCount(); ++col)
            overview.SetCell(col, row, ConvertedMemberCell(overview.Cell(col, row), row - 1, CellFits(overview, col)));
    ShowMemberTexts();
    Label_IxxUnit.SetCaption(Unit_Sect_I);
    Label_Eunit.SetCaption(Unit_Sect_E);
    Label_YrecUnit.SetCaption(Unit_Sect_L);
    WriteGridHeadings();
    DrawBeamSketch();  // its length labels in the new unit
}

// Ixx, E and y of the 250 sections; y too, so that a later Save stores
// what was typed.
void TMiscFrm::ConvertUnits() {
    const struct { int col; const char* heading; Quantity q; } columns[] = {
        {2, "     Ixx (", Quantity::I}, {3, "     E (", Quantity::E}, {4, "     y (", Quantity::SectionDimension}};
    for (const auto& c : columns) Grid.SetCell(c.col, 0, c.heading + Unit(c.q).Name.str() + ")");
    for (const auto& c : columns) ConvertGridColumn(Grid, c.col, 1, MiscSections, c.q);
}
