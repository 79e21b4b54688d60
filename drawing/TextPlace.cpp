#include "TextPlace.h"
#include <algorithm>
#include <cstdlib>

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

// Whether the label whose box at (0, 0) is `box` stands clear at (left,
// top): of all drawn, or of other texts only.
bool Fits(const gui::Canvas& c, int left, int top, const gui::Rect& box, const LabelArea& area, bool textsOnly) {
    const int across = GapAcross(box), toText = GapToText(box), down = GapDown(box);
    const int t = top + box.Top - down, b = top + box.Bottom + down;
    return top + box.Top >= area.top && top + box.Bottom <= area.bottom &&
           (textsOnly || c.Free({left + box.Left - across, t, left + box.Right + across, b})) &&
           c.FreeOfTexts({left + box.Left - toText, t, left + box.Right + toText, b});
}

// Where a label meant to start at x starts inside the area: staying on the
// canvas comes before `left`, which only keeps a label after another.
int Within(int x, const gui::Rect& box, const LabelArea& area) {
    return std::max(std::min(std::max(x, area.left), area.right - box.Right), 0);
}

// Shifts across from a label's x, nearest first: a quarter of its height at a
// time, right then left, as far as its width.
std::vector<int> Across(const gui::Rect& box) {
    const int step = std::max((box.Bottom - box.Top) / 4, 1);
    std::vector<int> shifts;
    for (int d = step; d <= box.Right - box.Left; d += step) shifts.insert(shifts.end(), {d, -d});
    return shifts;
}

// Shifts across beyond Across, nearest first, as far as the area reaches.
std::vector<int> Along(const gui::Rect& box, const LabelArea& area) {
    const int step = std::max((box.Bottom - box.Top) / 4, 1);
    std::vector<int> shifts;
    for (int d = box.Right - box.Left + step; d <= area.right - area.left; d += step)
        shifts.insert(shifts.end(), {d, -d});
    return shifts;
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

// The label's places in the order PlaceLines tries them, in the canvas's
// size, until one is clear; `anchor` is its box in its own size. With `far`
// the places further along, beyond those beside it. It moves up or down
// beyond `nearest` label heights, up to `furthest`.
std::optional<gui::Rect> FirstPlace(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir,
                                    const LabelArea& area, const gui::Rect& anchor, bool textsOnly, bool far = false,
                                    int nearest = 0, int furthest = Reach) {
    const gui::Rect box = Extent(c, lines);
    const int height = box.Bottom - box.Top, across = GapAcross(box);
    const int step = std::max(height / 4, 1), shift = (box.Right + 1) / 2 + height / 2;
    // Then, where those are taken, nearer and further across, nearest first.
    std::vector<int> sideways = {0, shift, -shift};
    for (int d : Across(box))
        if (std::abs(d) != shift) sideways.push_back(d);
    if (far) sideways = Along(box, area);
    const int first = nearest == 0 ? 0 : (nearest * height / step + 1) * step;
    for (int dx : sideways) {
        const int left = Within(x + dx, box, area);
        for (int dy = first; dy <= furthest * height; dy += step)
            if (Fits(c, left, y + dir * dy, box, area, textsOnly)) return Draw(c, left, y + dir * dy, lines);
        // The other way only as far as it passes over nothing beyond its place,
        // but beyond `nearest` over what lies between.
        for (int dy = std::max(first, step); dy <= furthest * height; dy += step) {
            const int top = y - dir * dy;
            const int from = dir < 0 ? y + anchor.Bottom : top + box.Top;
            const int to = dir < 0 ? top + box.Bottom : y + anchor.Top;
            const gui::Rect passed{left + box.Left - across, from, left + box.Right + across, to};
            if (nearest == 0 && from < to && !(textsOnly ? c.FreeOfTexts(passed) : c.Free(passed))) break;
            if (Fits(c, left, top, box, area, textsOnly)) return Draw(c, left, top, lines);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<gui::Rect> PlaceLines(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir,
                                    const LabelArea& area, bool keep) {
    if (lines.empty()) return std::nullopt;
    const int size = c.TextFont.Size, smallest = std::max(size - 2, 1);
    const gui::Rect anchor = Extent(c, lines);  // where the label stands, in its size
    std::optional<gui::Rect> placed;
    for (int s = size; s >= smallest && !placed; --s) {
        c.TextFont.Size = s;
        placed = FirstPlace(c, x, y, lines, dir, area, anchor, false);
    }
    // A label that is kept: further along, in its size, then smaller; else
    // further up and down, a reach at a time, at, beside and further along.
    const int height = anchor.Bottom - anchor.Top, room = std::max(y - area.top, area.bottom - y);
    for (int s = size; s >= smallest && keep && !placed; --s) {
        c.TextFont.Size = s;
        placed = FirstPlace(c, x, y, lines, dir, area, anchor, false, true);
    }
    for (int r = Reach; keep && !placed && r * height < room; r += Reach)
        for (int s = size; s >= smallest && !placed; --s) {
            c.TextFont.Size = s;
            placed = FirstPlace(c, x, y, lines, dir, area, anchor, false, false, r, r + Reach);
            if (!placed) placed = FirstPlace(c, x, y, lines, dir, area, anchor, false, true, r, r + Reach);
        }
    c.TextFont.Size = size;
    if (!placed && keep) placed = FirstPlace(c, x, y, lines, dir, area, anchor, true);
    return placed;
}

int StartOf(const std::optional<gui::Rect>& placed) { return placed ? placed->Left : 0; }

int PlaceRow(gui::Canvas& c, int y, int pitch, const std::vector<RowLabel>& labels, int lines,
             const LabelArea& area, int further, std::optional<int> keepTo) {
    using Places = std::vector<std::pair<int, int>>;  // dx, line
    // At x, then beside it, on lines first..last.
    auto atAndBeside = [](Places& places, const gui::Rect& box, int first, int last) {
        for (int line = first; line <= last; ++line) {
            places.push_back({0, line});
            for (int dx : Across(box)) places.push_back({dx, line});
        }
    };
    // Further along lines 0..last, nearest first.
    auto along = [&](Places& places, const gui::Rect& box, int last) {
        for (int dx : Along(box, area))
            for (int line = 0; line <= last; ++line) places.push_back({dx, line});
    };
    // At x on the first lines, beside it on those, then at and beside it on
    // the further ones.
    auto near = [&](const gui::Rect& box) {
        Places places;
        for (int line = 0; line < lines; ++line) places.push_back({0, line});
        for (int line = 0; line < lines; ++line)
            for (int dx : Across(box)) places.push_back({dx, line});
        atAndBeside(places, box, lines, lines + further - 1);
        return places;
    };
    auto far = [&](const gui::Rect& box) {
        Places places;
        along(places, box, lines + further - 1);
        return places;
    };
    auto below = [&](const gui::Rect& box) {
        const int lowest = (*keepTo - y - box.Bottom) / pitch;
        Places places;
        atAndBeside(places, box, 0, lowest);
        along(places, box, lowest);
        return places;
    };
    const int size = c.TextFont.Size, smallest = std::max(size - 2, 1);
    int used = 0;
    for (const RowLabel& l : labels) {
        c.TextFont.Colour = l.colour;
        // The first of the places that fits in the canvas's size; true when drawn.
        auto take = [&](auto&& places, const LabelArea& within, bool textsOnly) {
            const gui::Rect box = c.TextBox(0, 0, l.text);
            for (const auto& [dx, line] : places(box)) {
                const int left = Within(l.x + dx, box, within), top = y + line * pitch;
                if (!Fits(c, left, top, box, within, textsOnly)) continue;
                Draw(c, left, top, {{0, l.text}});
                used = std::max(used, line + 1);
                return true;
            }
            return false;
        };
        if (take(near, area, false) || !keepTo) continue;
        // A value that is kept: further along those lines; else a size or
        // two smaller; else on the lines below the area's bottom, down to
        // keepTo; where strokes leave no room at all, over strokes but no text.
        bool placed = take(far, area, false);
        for (int s = size - 1; s >= smallest && !placed; --s) {
            c.TextFont.Size = s;
            placed = take(near, area, false) || take(far, area, false);
        }
        c.TextFont.Size = size;
        LabelArea down = area;
        down.bottom = *keepTo;
        if (placed || take(below, down, false) || take(near, area, true)) continue;
        take(below, down, true);
    }
    return y + std::max(used, 1) * pitch;
}
