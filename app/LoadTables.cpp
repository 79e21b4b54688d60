#include "LoadTables.h"
#include "Func_FloatToInt.h"
#include "Global.h"
#include "SigFig.h"

namespace {

double Value(int loadcase, int slot, const LoadColumn& c) {
    return LoadTable[loadcase][slot][c.Field] / double(*c.Factor);
}

}  // namespace

int SlotKind(int loadcase, int slot) { return FloatToInt(LoadTable[loadcase][slot][LKind]); }

bool AppliedAs(int loadcase, int slot, int kind) {
    return LoadTable[loadcase][slot][LApplied] == 1.0f && SlotKind(loadcase, slot) == kind;
}

std::string LoadSlotName(int slot) { return slot == SelfWeightSlot ? " S/Wt" : SlotName(slot); }

std::vector<int> LoadColumnDecimals(int loadcase, std::span<const LoadColumn> columns) {
    std::vector<int> decimals;
    for (const LoadColumn& c : columns) {
        if (!c.Factor) {
            decimals.push_back(0);
            continue;
        }
        DigitRule rule;
        for (int k = 1; k <= LoadSlots; ++k)
            if (c.Slots == DigitSlots::All || SlotKind(loadcase, k) == -1) rule.Take(Value(loadcase, k, c));
        decimals.push_back(rule.Decimals(4));
    }
    return decimals;
}

TextLine LoadRow(int loadcase, int slot, std::span<const LoadColumn> columns, const std::vector<int>& decimals) {
    TextLine line(LoadSlotName(slot));
    for (size_t i = 0; i < columns.size(); ++i) {
        const LoadColumn& c = columns[i];
        const std::string text = c.Factor ? Fixed(Value(loadcase, slot, c), decimals[i])
                                          : SigFig3Dec3(LoadTable[loadcase][slot][c.Field]);
        line.Align(c.Point, text, c.Rule);
    }
    return line;
}
