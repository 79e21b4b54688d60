// The window side of the unit conversion: the texts and unit labels of the
// loads window.
#include "Global.h"
#include "LoadData.h"
#include "UnitConversion.h"

namespace {
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
}  // namespace

void ConvertOpenData() {
    ConvertSpanTexts();
    if (LoadDataFrm) ConvertLoadsWindow(*LoadDataFrm);
}
