// The Tab order of a form, worked out from where its controls stand each time
// Tab is pressed, so that controls moved, shown or hidden since need no care.
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <vector>
#include "QtCommon.h"

namespace gui {

namespace {
// A control, or what a group holds, or a radio group, as one piece of the
// reading: the box it takes and its stops in order.
struct Piece {
    QRect box;
    std::vector<QWidget*> stops;
};

bool TakesTab(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isEnabled();
}

// Rows top to bottom, a row being the pieces that start above the bottom of
// its first; each row left to right.
void Read(std::vector<Piece>& pieces, std::vector<QWidget*>& out) {
    auto byTop = [](const Piece& a, const Piece& b) { return a.box.top() < b.box.top(); };
    auto byLeft = [](const Piece& a, const Piece& b) { return a.box.left() < b.box.left(); };
    std::stable_sort(pieces.begin(), pieces.end(), byTop);
    for (auto row = pieces.begin(); row != pieces.end();) {
        auto end = std::find_if(row, pieces.end(), [&](const Piece& p) { return p.box.top() > row->box.bottom(); });
        std::stable_sort(row, end, byLeft);
        for (; row != end; ++row) out.insert(out.end(), row->stops.begin(), row->stops.end());
    }
}

// The stops inside `parent` in reading order; `shown` is the part of it that
// can be seen, in its own coordinates. A radio group is one stop: its checked
// button, else its first.
void Collect(const QWidget* parent, const QRect& shown, std::vector<QWidget*>& out) {
    std::vector<Piece> pieces;
    Piece radios;
    bool checked = false;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        const QRect seen = w->geometry() & shown;
        if (seen.isEmpty()) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (!radio->isEnabled()) continue;
            radios.box |= w->geometry();
            if (radios.stops.empty() || (!checked && radio->isChecked())) radios.stops = {radio};
            checked = checked || radio->isChecked();
            continue;
        }
        Piece piece{w->geometry(), {}};
        if (TakesTab(w)) piece.stops.push_back(w);
        else Collect(w, seen.translated(-w->pos()), piece.stops);
        if (!piece.stops.empty()) pieces.push_back(std::move(piece));
    }
    if (!radios.stops.empty()) pieces.push_back(std::move(radios));
    Read(pieces, out);
}

// The stop that holds the focus: the control, the grid whose cell is being
// edited, or the radio group of the button.
bool Holds(const QWidget* stop, const QWidget* focus) {
    if (stop == focus || stop->isAncestorOf(focus)) return true;
    return qobject_cast<const QRadioButton*>(stop) && qobject_cast<const QRadioButton*>(focus) &&
           stop->parentWidget() == focus->parentWidget();
}
}  // namespace

bool qt::MoveFocus(QWidget* client, bool next) {
    std::vector<QWidget*> stops;
    Collect(client, client->rect(), stops);
    if (stops.empty()) return false;
    const QWidget* focus = client->window()->focusWidget();
    const auto at = std::find_if(stops.begin(), stops.end(), [&](QWidget* s) { return focus && Holds(s, focus); });
    const auto n = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t i = at == stops.end() ? (next ? -1 : n) : at - stops.begin();
    i = ((i + (next ? 1 : -1)) % n + n) % n;
    stops[static_cast<size_t>(i)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace gui
