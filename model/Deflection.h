// Deflections by the unit-load method on the 20 intervals of pass 1
// (unfactored loads): Simpson's rule over M m / EI per span, and the
// cantilevers' own bending combined with the rotation of their support.
#pragma once
#include "Bounded.h"

extern BArray3<double, 1, 25, 1, 21, 1, 21> UnitMomentTable;  // [span][unit point][station]
extern BArray2<double, 0, 25, 1, 201> SpanDeflection;          // points 1..21 at (p-1)/20 of the span
extern BArray2<double, 1, 2, 1, 22> CantDeflection;            // points 1..21 from the root

// Moment diagram of a unit load at point UnitLoadPoint of span UnitLoadSpan.
void UnitMomentDiagram();
// Fills SpanDeflection, CantDeflection and SpanMaxDeflection of CurrentCase.
void IntegrateDeflection();
