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

// Without a background, which would hide what the label only touches.
void Draw(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines) {
    const bool clear = c.Brush.Clear;
    c.Brush.Clear = true;
    for (const LabelLine& l : lines) c.TextOut(x, y + l.dy, l.text);
    c.Brush.Clear = clear;
}

}  // namespace

void PlaceLines(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir, int bottom) {
    if (lines.empty()) return;
    const int size = c.TextFont.Size, smallest = std::max(size - 2, 1);
    const gui::Rect anchor = Extent(c, lines);  // where the label stands, in its size
    for (int s = size; s >= smallest; --s) {
        c.TextFont.Size = s;
        const gui::Rect box = Extent(c, lines);
        const int height = box.Bottom - box.Top, gap = height / 4;  // a label keeps a gap to all else
        const int step = std::max(height / 4, 1), shift = (box.Right + 1) / 2 + height / 2;
        for (int dx : {0, shift, -shift}) {
            const int left = std::max(x + dx, 0);
            auto free = [&](int top) {
                return top + box.Top >= 0 && top + box.Bottom <= bottom &&
                       c.Free({left + box.Left - gap, top + box.Top - gap / 2, left + box.Right + gap,
                               top + box.Bottom + gap / 2});
            };
            auto put = [&](int top) {
                Draw(c, left, top, lines);
                c.TextFont.Size = size;
            };
            for (int dy = 0; dy <= Reach * height; dy += step)
                if (free(y + dir * dy)) return put(y + dir * dy);
            // The other way only as far as it passes over nothing beyond its place.
            for (int dy = step; dy <= Reach * height; dy += step) {
                const int top = y - dir * dy;
                const int from = dir < 0 ? y + anchor.Bottom : top + box.Top;
                const int to = dir < 0 ? top + box.Bottom : y + anchor.Top;
                if (from < to && !c.Free({left + box.Left - gap, from, left + box.Right + gap, to})) break;
                if (free(top)) return put(top);
            }
        }
    }
    c.TextFont.Size = smallest;
    Draw(c, std::max(x, 0), y, lines);
    c.TextFont.Size = size;
}
