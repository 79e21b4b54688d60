#include <algorithm>
#include "gui.h"

namespace gui {

namespace {
constexpr int Cell = 64;  // side of the squares that items are filed by

int CellOf(int v) { return v >= 0 ? v / Cell : -((-v + Cell - 1) / Cell); }

bool Overlap(const Rect& a, const Rect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Whether the segment meets the closed rectangle [l, r] x [t, b] (clipping).
bool SegmentMeets(double x1, double y1, double x2, double y2, double l, double t, double r, double b) {
    double lo = 0, hi = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy}, q[] = {x1 - l, r - x1, y1 - t, b - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double u = q[i] / p[i];
        if (p[i] < 0) lo = std::max(lo, u);
        else hi = std::min(hi, u);
        if (lo > hi) return false;
    }
    return true;
}
}  // namespace

Rect Drawn::Item::Bounds() const {
    if (half < 0) return {x1, y1, x2, y2};
    return {std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half + 1, std::max(y1, y2) + half + 1};
}

bool Drawn::Item::Crosses(const Rect& r) const {
    if (half < 0) return Overlap(Bounds(), r);
    return SegmentMeets(x1, y1, x2, y2, r.Left - half, r.Top - half, r.Right - 1 + half, r.Bottom - 1 + half);
}

template <class F>
void Drawn::EachCell(const Rect& r, F f) const {
    for (int cx = CellOf(r.Left); cx <= CellOf(r.Right - 1); ++cx)
        for (int cy = CellOf(r.Top); cy <= CellOf(r.Bottom - 1); ++cy) f((int64_t(cx) << 32) ^ uint32_t(cy));
}

// Files the item under the squares it covers within the area.
void Drawn::Add(const Item& item, const std::optional<Rect>& area) {
    if (area && !item.Crosses(*area)) return;
    items_.push_back(item);
    const int i = int(items_.size()) - 1;
    Rect b = item.Bounds();
    if (area) b = {std::max(b.Left, area->Left), std::max(b.Top, area->Top), std::min(b.Right, area->Right),
                   std::min(b.Bottom, area->Bottom)};
    EachCell(b, [&](int64_t c) {
        if (!last_ || c != lastCell_) {  // strokes drawn one after another mostly share a square
            last_ = &cells_[c];
            lastCell_ = c;
        }
        last_->push_back(i);
    });
}

void Drawn::Stroke(int x1, int y1, int x2, int y2, int width, const std::optional<Rect>& area) {
    Add({x1, y1, x2, y2, (std::max(width, 1) + 1) / 2}, area);
}

void Drawn::Box(const Rect& r, const std::optional<Rect>& area) {
    if (r.Right > r.Left && r.Bottom > r.Top) Add({r.Left, r.Top, r.Right, r.Bottom, -1}, area);
}

void Drawn::Forget(const Rect& r, const std::optional<Rect>& area) {
    std::vector<Item> was;
    was.swap(items_);
    ForgetAll();
    for (const Item& it : was)
        if (!Overlap(it.Bounds(), r)) Add(it, area);  // and what a shrunk picture left outside goes
}

void Drawn::ForgetAll() {
    items_.clear();
    cells_.clear();
    last_ = nullptr;
}

bool Drawn::Free(const Rect& r, bool boxesOnly) const {
    bool free = true;
    EachCell(r, [&](int64_t c) {
        const auto found = cells_.find(c);
        if (!free || found == cells_.end()) return;
        for (int i : found->second) {
            const Item& it = items_[size_t(i)];
            if ((!boxesOnly || it.half < 0) && it.Crosses(r)) free = false;
        }
    });
    return free;
}

}  // namespace gui
