// The top strip of the main window's picture: the beam with its supports and
// member lengths, and the loads of the loadcase shown or of all loadcases.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "Bounded.h"
#include "Picture.h"

// Member lengths (mm), kept in the beam data file.
extern BArray<float, 0, 26> MemberLengthLabel;
// Sets MemberLengthLabel from the beam: after Next, Open and New.
void SetMemberLengthLabels();

// The labels of the member-length row, unit and all: the left cantilever's
// always, a span's or the right cantilever's only where its length does not
// read "0.00". Each starts `shift` (the right cantilever's `rhcShift`) left
// of its member's centre, placed by x from mm along the beam.
std::vector<RowLabel> MemberLengthRow(const std::function<int(double)>& x, int shift, int rhcShift,
                                      gui::Color colour);

// What a drawing puts on the picture: its strokes, its labels or both. The
// picture draws the strokes of beam and loads before their labels, so that
// no label is drawn where a stroke crosses it.
enum class Layer { Strokes, Labels, All };

// Beam line at y = 96, the support symbols and the member lengths.
void DrawBeam(gui::Canvas& c, const PictureFrame& frame, Layer layer = Layer::All);
// Distributed loads as a stepped outline 40 pixels high at most, the self
// weight, point loads as arrows: of loadcase shownCase, or of all when it is
// 0; values only when one loadcase is shown.
void DrawLoads(gui::Canvas& c, const PictureFrame& frame, int32_t shownCase, Layer layer = Layer::All);
