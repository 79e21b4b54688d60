// The rows of the load tables that the loadcase report and the loading data
// text share: one row per load slot, each column a field of the slot's
// record in display units, aligned on its point column.
#pragma once
#include <span>
#include <string>
#include <vector>
#include "TextStore.h"

// Which slots a column's digit rule runs over.
enum class DigitSlots { All, UDLs };

struct LoadColumn {
    int Field;              // LoadField
    const float* Factor;    // display = internal / factor; null: the load factor by SigFig3Dec3
    int Point;
    PointRule Rule;
    DigitSlots Slots = DigitSlots::All;
};

// Kind of a slot's record read as an integer: -1 UDL, 1 point load.
int SlotKind(int loadcase, int slot);
// Whether the loadcase applies the slot as a load of the kind.
bool AppliedAs(int loadcase, int slot, int kind);
// " S/Wt" for the self weight, else the slot name of the number.
std::string LoadSlotName(int slot);
// Decimals of each column by the digit rule (threshold 4) over the slots 1..51
// of the loadcase, applied or not.
std::vector<int> LoadColumnDecimals(int loadcase, std::span<const LoadColumn> columns);
// The slot's row: its name, then each column.
TextLine LoadRow(int loadcase, int slot, std::span<const LoadColumn> columns, const std::vector<int>& decimals);
