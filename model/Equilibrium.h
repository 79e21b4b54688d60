// Load totals per loadcase and the check that the support reactions balance
// the applied loads.
#pragma once

// CaseLoadTotal of loadcases 1..NumLoadcases from LoadTable.
void SumAppliedLoads();
// Forms ReactionTotal and shows an " ERROR " message for every loadcase whose
// reactions differ from its applied load by more than 0.05 % of the sum of
// the load magnitudes (so loads of both signs that cancel are judged fairly).
// Exact zero totals become 1e-12, as the beam file keeps them.
void CheckEquilibrium();
