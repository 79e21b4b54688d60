// The window side of the unit conversion: the texts and unit labels of the
// beam data, loads and miscellaneous-sections windows.
#include "Beam.h"
#include "Global.h"
#include "LoadData.h"
#include "Misc.h"
#include "UnitConversion.h"

namespace {
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

    struct Row { gui::StringGrid* grid; int row; OldFactorIndex old; const float* factor; };
    const Row rows[] = {
        {&f.Grid_Spans, 2, Old_L, &Factor_L},          {&f.Grid_Spans, 3, Old_Sect_I, &Factor_Sect_I},
        {&f.Grid_Spans, 4, Old_Sect_E, &Factor_Sect_E}, {&f.Grid_Spans, 5, Old_Sect_L, &Factor_Sect_L},
        {&f.Grid_Lengths, 1, Old_L, &Factor_L},        {&f.Grid_SpanData, 2, Old_L, &Factor_L},
        {&f.Grid_SpanData, 3, Old_Sect_E, &Factor_Sect_E}, {&f.Grid_SpanData, 4, Old_Sect_I, &Factor_Sect_I},
        {&f.Grid_SpanData, 5, Old_Sect_L, &Factor_Sect_L}, {&f.Grid_SpanData, 6, Old_Sect_A, &Factor_Sect_A},
    };
    for (const Row& r : rows)
        for (int col = 1; col < r.grid->ColCount(); ++col)
            r.grid->SetCell(col, r.row, ConvertedMemberText(r.grid->Cell(col, r.row), r.old, *r.factor));

    struct Field { gui::Edit* edit; gui::Label* unit; OldFactorIndex old; const float* factor; const ShortString<10>* name; };
    const Field fields[] = {{&f.Edit_Ixx, &f.Label_IxxUnit, Old_Sect_I, &Factor_Sect_I, &Unit_Sect_I},
                            {&f.Edit_E, &f.Label_Eunit, Old_Sect_E, &Factor_Sect_E, &Unit_Sect_E},
                            {&f.Edit_Yrec, &f.Label_YrecUnit, Old_Sect_L, &Factor_Sect_L, &Unit_Sect_L}};
    for (const Field& fl : fields) {
        fl.edit->SetText(ConvertedMemberText(fl.edit->Text(), fl.old, *fl.factor));
        fl.unit->SetCaption(*fl.name);
    }
    f.WriteGridHeadings();
}

// Unit labels over the load columns, then the five value edits of every
// row, shown or not; the load factors are not units.
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
