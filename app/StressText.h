// The largest elastic bending stress of the loadcase being reported and of
// the beam so far, and whether the results take the factored wording.
#pragma once

// Works on CurrentCase: member stresses from the largest moments, MaxStress,
// FactoredLoadCount, CaseStressLine and MaxStressLine.
void BuildStressText();
