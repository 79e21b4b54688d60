#include "TextPlace.h"
#include <algorithm>

namespace {

constexpr int Reach = 4;  // label heights a label may move on its way

// The box all lines take with their top-left at (0, 0).
gui::Rect Extent(const gui::Canvas& c, const std::vector<LabelLine>& lines) {
    gui::Rect r = c.TextBox(0, lines.front().dy, lines.front().text);
    for (const LabelLine& l : lines) {
        const gui::Rect b = c.TextBox(0, l.dy, l.text);
        r = {std::min(r.Left, b.Left), std::min(r.Top, b.Top), std::max(r.Right, b.Right),
             std::max(r.Bottom, b.Bottom)};
    }
    return r;
}

// The room a label keeps to all else: a quarter of its height across and an
// eighth of it up and down; to another text half its height across, so that
// two values side by side never read as one.
int GapAcross(const gui::Rect& box) { return (box.Bottom - box.Top) / 4; }
int GapToText(const gui::Rect& box) { return (box.Bottom - box.Top) / 2; }
int GapDown(const gui::Rect& box) { return (box.Bottom - box.Top) / 8; }

// Whether the label whose box at (0, 0) is `box` stands clear at (left, top).
bool Fits(const gui::Canvas& c, int left, int top, const gui::Rect& box, int bottom) {
    const int across = GapAcross(box), toText = GapToText(box), down = GapDown(box);
    const int t = top + box.Top - down, b = top + box.Bottom + down;
    return top + box.Top >= 0 && top + box.Bottom <= bottom &&
           c.Free({left + box.Left - across, t, left + box.Right + across, b}) &&
           c.FreeOfTexts({left + box.Left - toText, t, left + box.Right + toText, b});
}

// Without a background, which would hide what the label only touches.
gui::Rect Draw(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines) {
    const bool clear = c.Brush.Clear;
    c.Brush.Clear = true;
    for (const LabelLine& l : lines) c.TextOut(x, y + l.dy, l.text);
    c.Brush.Clear = clear;
    const gui::Rect box = Extent(c, lines);
    return {x + box.Left, y + box.Top, x + box.Right, y + box.Bottom};
}

}  // namespace

std::optional<gui::Rect> PlaceLines(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir,
                                    int bottom, int leftmost) {
    if (lines.empty()) return std::nullopt;
    const int size = c.TextFont.Size, smallest = std::max(size - 2, 1);
    const gui::Rect anchor = Extent(c, lines);  // where the label stands, in its size
    std::optional<gui::Rect> placed;
    for (int s = size; s >= smallest && !placed; --s) {
        c.TextFont.Size = s;
        const gui::Rect box = Extent(c, lines);
        const int height = box.Bottom - box.Top, across = GapAcross(box);
        const int step = std::max(height / 4, 1), shift = (box.Right + 1) / 2 + height / 2;
        for (int dx : {0, shift, -shift}) {
            const int left = std::max({x + dx, leftmost, 0});
            auto put = [&](int top) { placed = Draw(c, left, top, lines); };
            for (int dy = 0; dy <= Reach * height && !placed; dy += step)
                if (Fits(c, left, y + dir * dy, box, bottom)) put(y + dir * dy);
            // The other way only as far as it passes over nothing beyond its place.
            for (int dy = step; dy <= Reach * height && !placed; dy += step) {
                const int top = y - dir * dy;
                const int from = dir < 0 ? y + anchor.Bottom : top + box.Top;
                const int to = dir < 0 ? top + box.Bottom : y + anchor.Top;
                if (from < to && !c.Free({left + box.Left - across, from, left + box.Right + across, to})) break;
                if (Fits(c, left, top, box, bottom)) put(top);
            }
            if (placed) break;
        }
    }
    c.TextFont.Size = size;
    return placed;
}

int Beyond(const gui::Canvas& c, const std::optional<gui::Rect>& placed) {
    return placed ? placed->Right + GapToText(c.TextBox(0, 0, "0")) + 1 : 0;
}

int PlaceRow(gui::Canvas& c, int y, int pitch, const std::vector<RowLabel>& labels, int lines, int bottom) {
    int used = 0;
    for (const RowLabel& l : labels) {
        c.TextFont.Colour = l.colour;
        const gui::Rect box = c.TextBox(0, 0, l.text);
        const int left = std::max(l.x, 0);
        for (int line = 0; line < lines; ++line)
            if (Fits(c, left, y + line * pitch, box, bottom)) {
                Draw(c, left, y + line * pitch, {{0, l.text}});
                used = std::max(used, line + 1);
                break;
            }
    }
    return y + std::max(used, 1) * pitch;
}
