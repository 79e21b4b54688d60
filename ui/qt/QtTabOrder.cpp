// The Tab order of a form, worked out from where its controls stand each time
// Tab is pressed, so that controls moved, shown, hidden or covered since need
// no care.
#include <QRadioButton>
#include <QRegion>
#include <QScrollArea>
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

// What hides the controls under it: one that fills its box with its
// background, or one the user works, which draws itself over its box.
bool Opaque(const QWidget* w) {
    return w->autoFillBackground() || w->testAttribute(Qt::WA_OpaquePaintEvent) || w->focusPolicy() != Qt::NoFocus;
}

QRect BoxIn(const QWidget* w, const QWidget* client) { return {w->mapTo(client, QPoint(0, 0)), w->size()}; }

// What is left of the control inside the client area once every control
// stacked above it, beside it or beside a group that holds it, has hidden its
// part.
bool SeenIn(const QWidget* w, const QWidget* client) {
    QRegion left(BoxIn(w, client));
    for (const QWidget* c = w; c != client; c = c->parentWidget()) {
        const QWidget* parent = c->parentWidget();
        left &= BoxIn(parent, client);
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(c)) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above && !above->isWindow() && !above->isHidden() && Opaque(above)) left -= BoxIn(above, client);
        }
    }
    return !left.isEmpty();
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

// The stops inside `parent` that can be seen, in reading order. A radio
// group is one stop: its checked button, else its first.
void Collect(const QWidget* parent, const QWidget* client, std::vector<QWidget*>& out) {
    std::vector<Piece> pieces;
    Piece radios;
    bool checked = false;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (!radio->isEnabled() || !SeenIn(radio, client)) continue;
            radios.box |= w->geometry();
            if (radios.stops.empty() || (!checked && radio->isChecked())) radios.stops = {radio};
            checked = checked || radio->isChecked();
            continue;
        }
        Piece piece{w->geometry(), {}};
        if (!TakesTab(w)) Collect(w, client, piece.stops);
        else if (SeenIn(w, client)) piece.stops.push_back(w);
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

bool qt::Seen(const QWidget* w) { return SeenIn(w, ClientArea(w)); }

bool qt::MoveFocus(QWidget* client, bool next) {
    std::vector<QWidget*> stops;
    Collect(client, client, stops);
    if (stops.empty()) return false;
    const QWidget* focus = client->window()->focusWidget();
    const auto at = std::find_if(stops.begin(), stops.end(), [&](QWidget* s) { return focus && Holds(s, focus); });
    const auto n = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t i = at == stops.end() ? (next ? -1 : n) : at - stops.begin();
    i = ((i + (next ? 1 : -1)) % n + n) % n;
    QWidget* to = stops[static_cast<size_t>(i)];
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    ScrollIntoView(to);
    return true;
}

void qt::ScrollIntoView(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* scroller = qobject_cast<QScrollArea*>(p)) scroller->ensureWidgetVisible(w);
}

bool InView(const Control& control) {
    const QWidget* w = qt::W(control.Widget());
    const QWidget* viewport = qt::ClientArea(w)->parentWidget();
    return qt::Seen(w) && QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()).intersects(viewport->rect());
}

}  // namespace gui
