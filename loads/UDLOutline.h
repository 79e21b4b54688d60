// The outline of the applied distributed loads of one loadcase.
#pragma once

// Rebuilds UDLOutline[lc] from LoadRows and ApplyFlags[lc]: the two ends of
// every applied UDL with its own rate there and the rate of all applied UDLs
// stacked at that point.
void BuildUDLOutlineOf(int lc);
