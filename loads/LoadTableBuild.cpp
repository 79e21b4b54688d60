// Next: the load table from the rows and flags, its checks, and the hand-over
// to the analysis.
#include <memory>
#include "AnalysisState.h"
#include "BeamRules.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "LoadData.h"
#include "UDLOutline.h"

namespace {

using Outlines = decltype(AcceptedUDLOutline);

const char* const ForkheadMessage =
    " For the routine to remove negative\r forkhead support loads to be used, \r load factors must all be the same.\r";

// Applied loads of slots 1..50: whether any is applied at all, and which
// kinds of empty load are among them.
struct EmptyScan {
    bool Applied = false, ZeroPoint = false, EmptyUDL = false;
};

EmptyScan ScanEmptyLoads(const LoadTables& table) {
    EmptyScan scan;
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int s = 1; s <= MaxLoadRows; ++s) {
            const LoadRecord& r = table[lc][s];
            if (r[LApplied] != 1.0f) continue;
            scan.Applied = true;
            if (r[LKind] == KindPoint && r[LStart] == 0) scan.ZeroPoint = true;
            if (r[LKind] == KindUDL && ((r[LStart] == 0 && r[LFinish] == 0) || r[LCover] == 0)) scan.EmptyUDL = true;
        }
    return scan;
}

int HighestLoadedCase() {
    for (int lc = MaxLoadcases; lc >= 1; --lc)
        for (int s = 1; s <= MaxLoadRows; ++s)
            if (FloatToInt(LoadTable[lc][s][LApplied]) == 1) return lc;
    return 0;
}

}  // namespace

// The load table and the outlines of every loadcase are built aside and taken
// into the model only when every check passes: a refused Next changes nothing
// but the window's own rows and flags.
void TLoadDataFrm::cmd_NextClick() {
    PositionCheckOnRead = 1.0f;
    ClearApplyOfEmptyRows();
    ReadLoadRows();
    auto table = std::make_unique<LoadTables>(LoadTable);
    auto outlines = std::make_unique<Outlines>();
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        (*outlines)[lc] = UDLOutlineOf(lc);
        for (int s = 1; s <= SelfWeightSlot; ++s) {
            for (int f = LKind; f <= LFactor; ++f) (*table)[lc][s][f] = LoadRows[s][f];
            (*table)[lc][s][LApplied] = ApplyFlags[lc][s];
        }
    }

    EmptyScan scan = ScanEmptyLoads(*table);
    const char* failure = nullptr;
    if (!scan.Applied) failure = "No loads applied to beam";
    else if (scan.ZeroPoint && scan.EmptyUDL) failure = "No loads on beam";
    if (failure) {
        gui::ShowMessage(failure);
        LoadCheckResult = -1;
        return;
    }
    CheckLoadPositions();
    if (LoadCheckResult == -1) return;
    if (SupportTypes[1] == SupportForkhead && !OneLoadFactor(*table, MaxLoadcases)) {
        gui::ShowMessage(ForkheadMessage);
        LoadCheckResult = -1;
        return;
    }
    // The rules every load table of the program keeps, as Analyse, Save and
    // Open judge them.
    if (const std::string fault = LoadTableFault(*table, MaxLoadcases, ModelBeam()); !fault.empty()) {
        gui::ShowMessage("These loads cannot be taken: " + fault + ".");
        LoadCheckResult = -1;
        return;
    }

    LoadTable = *table;
    MarkResultsStale();   // until the analysis below completes
    UDLOutline = *outlines;
    AcceptedUDLOutline = *outlines;
    LoadRowsShown = FormRowsShown;
    LoadCaseShown = SavedLoadcase;
    MarkLoadedCases();
    NumLoadcases = HighestLoadedCase();

    ClearEdited();  // taken
    Hide();
    OnAccepted();
}

// A load past the end of the beam is let through only when it is applied in
// no loadcase.
void TLoadDataFrm::CheckLoadPositions() {
    LoadCheckResult = 0;
    for (int n = 1; n <= MaxLoadRows; ++n) {
        const LoadRecord& r = LoadRows[n];
        auto flag = [&](int lc) { return ApplyFlags[lc][n]; };
        if (PastBeamEnd(r, BeamLength) && AppliedInSomeLoadcase(MaxLoadcases, flag)) {
            gui::ShowMessage("Load " + std::to_string(n) + " extends past end of beam");
            LoadCheckResult = -1;
        }
        if (NegativeLength(r)) {
            gui::ShowMessage("Negative lengths not allowed");
            LoadCheckResult = -1;
        }
    }
}

void TLoadDataFrm::MarkLoadedCases() {
    for (int lc = 1; lc <= MaxLoadcases; ++lc) LoadcaseActive[lc] = LoadcaseLoaded(LoadTable[lc]) ? 1 : 0;
}
