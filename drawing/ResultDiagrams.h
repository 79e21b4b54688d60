// Shear, bending moment and deflection diagrams of one loadcase below the
// beam strip, with member-end values, extremes and support reactions.
#pragma once
#include <cstdint>
#include "Picture.h"

// Pixels per internal unit of the last diagrams drawn: the largest value over
// all loadcases spans 9 % (deflection 10 %) of the picture's usable height.
// 0 when that largest value is 0, so the diagram is a flat line.
extern double ScaleShear, ScaleMoment, ScaleDeflection;

// Picture units per internal unit of a band whose largest magnitude over all
// loadcases spans `share` units; that magnitude is taken as no less than 0.01
// in the unit shown (shown = internal x factor), so that values the lists
// show as 0.000 are drawn by the axis. 0 where the largest is 0: the band's
// curves lie on its zero line.
double BandScale(long double share, double largest, float factor);

// The moment of loadcase lc at support j (0 the left end): the larger of the
// two member-end moments that meet there, so a fixed left end's wall moment.
float SupportMoment(int lc, int j);

// Draws loadcase lc (1..NumLoadcases); nothing at all when no loadcase
// deflects anywhere. DisplayMode -1 adds the values of that loadcase, 1 the
// extremes over all loadcases.
void DrawResultDiagrams(gui::Canvas& c, const PictureFrame& frame, int32_t lc);
