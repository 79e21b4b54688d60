// Load totals per loadcase and the check that the support reactions balance
// the applied loads.
#pragma once
#include <string>

// CaseLoadTotal and CaseAppliedLoad of loadcases 1..NumLoadcases: the load
// that each loadcase's applied loads put on the beam (an inactive loadcase
// has none). CurrentCase walks the loadcases, so that a total beyond the
// arithmetic leaves it at its loadcase.
void SumAppliedLoads();
// Forms ReactionTotal of loadcase lc from its reactions; true when they
// balance its applied load within 0.05 % of the sum of the load magnitudes
// (so loads of both signs that cancel are judged fairly). Exact zero totals
// count as 1e-12.
bool CaseBalances(int lc);
// Shows an " ERROR " message for every loadcase whose results were withheld
// (UnbalancedMark, with the ReactionTotal they had) or whose reactions do
// not balance. Exact zero totals become 1e-12, as the beam file keeps them.
void CheckEquilibrium();
