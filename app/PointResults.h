// Shear, moment, stress and deflection at one distance from the left end of
// the beam, for every loadcase and as maxima over the loadcases. Shear and
// moment come from a final pass solved again with the member cut so that a
// station falls on the point; deflection is interpolated in the stored
// deflections at twentieths.
#pragma once
#include <string>
#include "Bounded.h"
#include "ShortString.h"

// [lc] the value of loadcase lc, [0] the one of largest magnitude (internal
// units; shear, moment and stress factored, deflection as stored).
extern BArray<float, 0, 25> PointShear, PointMoment, PointStress, PointDeflection;
// Line 0 holds the number of lines to list.
extern BArray<ShortString<75>, 0, 200> PointResultText;

// The member holding a point and where on it the point lies.
struct PointPlace {
    int Member = -1;   // 0 left cantilever, spans, 26 right cantilever; -1 none
    double Fraction = 0;
};
// The distance (mm) asked for by `typed`, a number in the unit of `factor`
// stored as x: the beam's length where the typed number lies beyond it by no
// more than half a unit of its last figure (it reads as the beam's length at
// the precision typed, though its single may lie a rounding beyond), else x.
double TypedDistance(const std::string& typed, double x, float factor);
// The message that refuses a distance x (mm), or "" when it can be analysed.
std::string PointRefusal(double x);
PointPlace PlaceOfPoint(double x);
// Nearest fraction p/q to f over q = 3..2000, p = 1..q; the first found of
// equally near ones.
void NearestFraction(double f, int& p, int& q);

// Zeroes the values, then computes them for x when it is accepted; returns
// the refusal ("" when computed). Nothing is done without a beam; results out
// of date are refused.
std::string ComputePointResults(double x);
// The result lines of the last computation at x into PointResultText.
void BuildPointText(double x);
// No values and no lines: nothing to show or print until the next computation.
void ClearPointResults();
