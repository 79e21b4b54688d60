// The two cantilevers, solved on their own before the spans. Cantilever 1 is
// the left one (member 0), 2 the right one (member 26). Rows run from the root
// (station 1) to the free end (station N + 1), N = SpanIntervals.
#pragma once
#include "Bounded.h"

extern BArray2<float, 1, 2, 1, 2005> CantShear;
extern BArray2<float, 1, 2, 1, 2005> CantMoment;
extern BArray3<double, 1, 2, 1, 201, 1, 201> CantUnitMoment;   // [c][unit station][station]
extern BArray2<double, 1, 2, 1, 201> CantBendingDeflection;

// Adds the shear and moment of the cantilever pieces into CantShear and
// CantMoment, turns the moments hogging, and records CantMomentMax/Min.
void CantileverForces();
// Moments of a unit load at each station (pass 1).
void CantileverUnitMoments();
// Deflection of each station from the cantilever's own bending (pass 1).
void CantileverDeflection();
