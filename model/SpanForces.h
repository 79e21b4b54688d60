// Shear and bending moment at the stations of every span, the span moment
// peaks, and the support reactions of the loadcase being solved. Station j
// of span s lies at x = j L / N, N = SpanIntervals.
#pragma once
#include "Bounded.h"

extern BArray2<double, 0, 25, 0, 2004> SpanShear;    // row 0 unused
extern BArray2<double, 0, 25, 0, 2004> SpanMoment;
extern BArray<double, 1, 26> SupportReaction;          // N, factored like the pass

// End-moment lines plus the simply supported effect of every piece.
void SpanShearMoment();
// Largest and smallest station moment of every span of CurrentCase with
// their positions (SpanMomentMax, SpanMomentMin, ...MaxX, ...MinX).
void SpanMomentPeaks();
// Clears the four span peak tables of CurrentCase.
void ClearSpanMomentPeaks();
// Reactions from the span-end shears, the cantilever root shears (rows
// root-first) and DirectSupportLoad of CurrentCase; nodes 1..NumSpans + 1.
void SupportReactions();
