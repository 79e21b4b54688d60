#include "UDLOutline.h"
#include "Global.h"
#include "LoadData.h"
#include "LoadOutline.h"

UDLOutlineCase UDLOutlineOf(int lc) {
    CaseLoads loads = LoadRows;
    for (int i = 1; i <= MaxLoadRows; ++i) loads[i][LApplied] = ApplyFlags[lc][i];
    return UDLOutlineOfLoads(loads);
}

void BuildUDLOutlineOf(int lc) { UDLOutline[lc] = UDLOutlineOf(lc); }

void TLoadDataFrm::BuildUDLOutline() { BuildUDLOutlineOf(Loadcase()); }
