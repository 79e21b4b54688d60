// The outline of the applied distributed loads of one loadcase.
#pragma once

#include "Global.h"

// The outline of loadcase lc from LoadRows and ApplyFlags[lc]: the two ends of
// every applied UDL with its own rate there and the rate of all applied UDLs
// stacked at that point.
UDLOutlineCase UDLOutlineOf(int lc);
// UDLOutline[lc] := UDLOutlineOf(lc).
void BuildUDLOutlineOf(int lc);
