// The outline of the distributed loads taken when the loads were accepted:
// for every loadcase and load row its two ends, each with x (mm from the
// left end), its own rate, the load factor and the stacked rate (N/mm,
// unfactored). The main window labels the distributed loads from it.
#pragma once
#include "Bounded.h"

enum UDLOutlineField { OutlineX = 1, OutlineRate = 2, OutlineFactor = 3, OutlineStacked = 4 };
using UDLOutlineCase = BArray3<float, 1, 50, 1, 2, 1, 4>;  // [row][end][field]
extern BArray<UDLOutlineCase, 1, 25> AcceptedUDLOutline;
