// Dialogs in front of the window they belong to. A window kept on top
// would hide a dialog without an owner, while the dialog takes the mouse from
// every window of the program.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <vector>
#include "QtCommon.h"

namespace gui {

namespace {
// The window of the last dialog: none is active while a dialog closes and
// the desktop has not yet given the focus back.
QPointer<QWidget> lastOwner;

// A shown window of the program that is kept on top of others.
QWidget* WindowOnTop() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return w;
    return nullptr;
}

// The program's windows in the order they were last shown.
std::vector<QPointer<QWidget>> shownOrder;

QWidget* MainWindow() { return qt::MainForm ? qt::W(qt::MainForm->Widget()) : nullptr; }

// The window last shown that is still shown, other than the main one.
QWidget* LastShown() {
    for (auto w = shownOrder.rbegin(); w != shownOrder.rend(); ++w)
        if (*w && (*w)->isVisible() && *w != MainWindow()) return *w;
    return nullptr;
}
}  // namespace

void qt::NoteShown(QWidget* w) {
    std::erase_if(shownOrder, [w](const QPointer<QWidget>& p) { return !p || p == w; });
    shownOrder.emplace_back(w);
}

// The modal window, else the active one, else that of the last dialog, else
// a window kept on top, else the main window. The main window (the start
// window) is active again when a window of a handler hides, before the one
// the handler showed is: it owns a dialog only when no other is shown, so
// that closing the dialog does not bring it over the window in use.
QWidget* qt::DialogOwner() {
    if (QWidget* w = QApplication::activeModalWidget()) return lastOwner = w;
    QWidget* active = QApplication::activeWindow();
    if (active && active != MainWindow()) return lastOwner = active;
    if (QWidget* w = LastShown()) return lastOwner = w;
    if (active) return lastOwner = active;
    if (lastOwner && lastOwner->isVisible()) return lastOwner;
    if (QWidget* w = WindowOnTop()) return lastOwner = w;
    QWidget* main = MainWindow();
    return lastOwner = main && main->isVisible() ? main : nullptr;
}

void qt::PutInFront(QDialog* d) {
    if (WindowOnTop()) d->setWindowFlag(Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, d, [d] {
        d->raise();
        d->activateWindow();
    });
}

}  // namespace gui
