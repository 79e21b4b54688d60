#include "TextPlace.h"
#include <algorithm>

namespace {

// The box all lines take with their top at y.
gui::Rect Extent(const gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines) {
    gui::Rect r = c.TextBox(x, y + lines.front().dy, lines.front().text);
    for (const LabelLine& l : lines) {
        const gui::Rect b = c.TextBox(x, y + l.dy, l.text);
        r = {std::min(r.Left, b.Left), std::min(r.Top, b.Top), std::max(r.Right, b.Right),
             std::max(r.Bottom, b.Bottom)};
    }
    return r;
}

// Without a background, which would hide what the label only touches.
void Draw(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines) {
    const bool clear = c.Brush.Clear;
    c.Brush.Clear = true;
    for (const LabelLine& l : lines) c.TextOut(x, y + l.dy, l.text);
    c.Brush.Clear = clear;
}

}  // namespace

std::vector<int> Rows(const gui::Canvas& c, int y, int dir, const std::vector<LabelLine>& lines, int reach,
                      int bottom) {
    const gui::Rect box = Extent(c, 0, y, lines);
    const int height = box.Bottom - box.Top, step = std::max(height / 4, 1);
    std::vector<int> tops = {y};
    for (int way : {dir, -dir})
        for (int dy = step; dy <= reach * height; dy += step) {
            const int top = box.Top + way * dy;
            if (top >= 0 && top + height <= bottom) tops.push_back(y + way * dy);
        }
    return tops;
}

void PlaceLines(gui::Canvas& c, int x, const std::vector<int>& tops, const std::vector<LabelLine>& lines) {
    if (lines.empty() || tops.empty()) return;
    const int size = c.TextFont.Size, smallest = std::max(size - 2, 1);
    for (int s = size; s >= smallest; --s) {
        c.TextFont.Size = s;
        const gui::Rect box = Extent(c, 0, 0, lines);
        const int height = box.Bottom - box.Top, gap = height / 4;  // a label keeps a gap to all else
        const int shift = (box.Right + 1) / 2 + height / 2;
        for (int dx : {0, shift, -shift}) {
            const int left = std::max(x + dx, 0);
            for (int top : tops)
                if (c.Free({left + box.Left - gap, top + box.Top - gap / 2, left + box.Right + gap,
                            top + box.Bottom + gap / 2})) {
                    Draw(c, left, top, lines);
                    c.TextFont.Size = size;
                    return;
                }
        }
    }
    c.TextFont.Size = smallest;
    Draw(c, std::max(x, 0), tops.front(), lines);
    c.TextFont.Size = size;
}
