// Lines and texts drawn on a recording canvas, for tests on exact
// coordinates and colours.
#pragma once
#include <ostream>
#include <string>
#include <vector>
#include "gui_testing.h"

struct Segment {
    int X1, Y1, X2, Y2;
    gui::Color Colour;
    int Width;
    bool operator==(const Segment&) const = default;
};

struct DrawnText {
    int X, Y;
    std::string Text;
    gui::Color Colour;
    int Size = 8;
    bool operator==(const DrawnText&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Segment& s) {
    return os << "(" << s.X1 << "," << s.Y1 << ")-(" << s.X2 << "," << s.Y2 << ") colour " << std::hex << s.Colour
              << std::dec << " width " << s.Width;
}
inline std::ostream& operator<<(std::ostream& os, const DrawnText& t) {
    return os << "\"" << t.Text << "\" at (" << t.X << "," << t.Y << ") colour " << std::hex << t.Colour << std::dec
              << " size " << t.Size;
}

inline std::vector<Segment> Segments(const gui::Canvas& c) {
    std::vector<Segment> out;
    for (const gui::CanvasOp& op : gui::Log(c))
        if (op.Op == "LineTo") out.push_back({op.X, op.Y, op.X2, op.Y2, op.PenColour, op.PenWidth});
    return out;
}

inline std::vector<DrawnText> Texts(const gui::Canvas& c) {
    std::vector<DrawnText> out;
    for (const gui::CanvasOp& op : gui::Log(c))
        if (op.Op == "TextOut") out.push_back({op.X, op.Y, op.Text, op.TextFont.Colour, op.TextFont.Size});
    return out;
}
