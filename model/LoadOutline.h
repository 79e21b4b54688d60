// The outline of the applied distributed loads of one loadcase, as the loads
// window previews them and the main window labels them.
#pragma once
#include "BeamRules.h"
#include "Global.h"

// The two ends of every applied UDL of slots 1..50 with its own rate there,
// its load factor and the rate of all applied UDLs stacked at that point.
UDLOutlineCase UDLOutlineOfLoads(const CaseLoads& loads);
