#include "LoadingDataText.h"
#include "LoadTables.h"
#include "ResultTexts.h"

namespace {

// The load fields are the same in every loadcase; the tables read loadcase 1.
constexpr int FieldsCase = 1;

const LoadColumn UDLColumns[] = {{LDist, &Factor_L, 10, PointRule::B},
                                 {LStart, &Factor_R, 23, PointRule::A, DigitSlots::UDLs},
                                 {LFinish, &Factor_R, 36, PointRule::A},
                                 {LCover, &Factor_L, 49, PointRule::A},
                                 {LFactor, nullptr, 59, PointRule::A}};
const LoadColumn PointColumns[] = {{LStart, &Factor_PL, 10, PointRule::B},
                                   {LDist, &Factor_L, 23, PointRule::B},
                                   {LFactor, nullptr, 36, PointRule::B}};

// "1 3 12 " for the loadcases that apply the slot as a load of the kind.
std::string AppliedIn(int slot, int kind) {
    std::string list;
    for (int n = 1; n <= NumLoadcases; ++n)
        if (AppliedAs(n, slot, kind)) list += std::to_string(n) + " ";
    return list.empty() ? "Not applied" : list;
}

// One row per slot of the kind, then the loadcases that apply it.
template <class Writer>
void WriteRows(Writer& w, int kind, std::span<const LoadColumn> columns, int listAt) {
    const std::vector<int> decimals = LoadColumnDecimals(FieldsCase, columns);
    for (int k = 1; k <= LoadSlots; ++k)
        if (SlotKind(FieldsCase, k) == kind)
            w.Write(LoadRow(FieldsCase, k, columns, decimals).PadTo(listAt).Add(AppliedIn(k, kind)));
}

void BuildUDLText() {
    StoreWriter w(LoadingDataUDLText, 2);
    w.Write(" UNIFORMLY DISTRIBUTED LOADS");
    w.Write(" No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to");
    w.Write(TextLine()
                .Centre(10, Bracketed(Unit_L.str()))
                .Centre(23, Bracketed(Unit_R.str()))
                .Centre(36, Bracketed(Unit_R.str()))
                .Centre(49, Bracketed(Unit_L.str()))
                .PadTo(56)
                .Add("Factor")
                .PadTo(65)
                .Add("loadcases:-"));
    WriteRows(w, -1, UDLColumns, 65);
    w.SetCount(w.Next() + 1);
}

void BuildPointText() {
    StoreWriter w(LoadingDataPointText);
    w.Write("");
    w.Write(" Point Loads");
    w.Write(" No      Load       Distance      Load        Applied to");
    w.Write(TextLine("    ")
                .Centre(10, Bracketed(Unit_PL.str()))
                .Centre(23, Bracketed(Unit_L.str()))
                .PadTo(33)
                .Add("Factor")
                .PadTo(46)
                .Add("loadcases:-"));
    WriteRows(w, 1, PointColumns, 49);
    const int nf = w.Next();
    LoadingDataPointText[nf + 1] = "";
    w.SetCount(nf + 2);
}

}  // namespace

void BuildLoadingDataText() {
    BuildUDLText();
    BuildPointText();
}
