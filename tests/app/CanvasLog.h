// Lines and texts drawn on a recording canvas, for tests on exact
// coordinates and colours.
#pragma once
#include <cstring>
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

inline bool HasText(const gui::Canvas& c, const std::string& text) {
    for (const DrawnText& t : Texts(c))
        if (t.Text == text) return true;
    return false;
}

// The numbers of a drawing that a stroke or another text crosses, or that
// stand so close beside another text that the two read as one, with the
// texts measured at `dpi`; the first `skip` texts (a page header) are left out.
inline std::vector<std::string> CrossedNumbers(const std::vector<gui::CanvasOp>& ops, int dpi, size_t skip = 0) {
    gui::RecordingCanvas measure(dpi);
    gui::Drawn strokes;
    std::vector<std::pair<gui::Rect, std::string>> texts;
    for (const gui::CanvasOp& op : ops) {
        if (op.Op == "LineTo") strokes.Stroke(op.X, op.Y, op.X2, op.Y2, op.PenWidth);
        if (op.Op != "TextOut") continue;
        measure.TextFont = op.TextFont;
        texts.push_back({measure.TextBox(op.X, op.Y, op.Text), op.Text});
    }
    std::vector<std::string> crossed;
    for (size_t i = skip; i < texts.size(); ++i) {
        const auto& [a, text] = texts[i];
        if (!std::strchr("0123456789-(.", text[0])) continue;
        bool hit = !strokes.Free(a);
        const int apart = (a.Bottom - a.Top) / 5;
        for (const auto& [b, other] : texts)  // the same label drawn again is no other
            hit = hit || ((other != text || b.Left != a.Left || b.Top != a.Top) && a.Left - apart < b.Right &&
                          b.Left < a.Right + apart && a.Top < b.Bottom && b.Top < a.Bottom);
        if (hit) crossed.push_back(text);
    }
    return crossed;
}
