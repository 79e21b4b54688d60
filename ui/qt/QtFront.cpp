// Dialogs in front of the window they belong to. A window kept on top
// would hide a dialog without an owner, while the dialog takes the mouse from
// every window of the program.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
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
}  // namespace

// The modal window, else the active one, else that of the last dialog, else
// a window kept on top, else the main window.
QWidget* qt::DialogOwner() {
    if (QWidget* w = QApplication::activeModalWidget()) return lastOwner = w;
    if (QWidget* w = QApplication::activeWindow()) return lastOwner = w;
    if (lastOwner && lastOwner->isVisible()) return lastOwner;
    if (QWidget* w = WindowOnTop()) return lastOwner = w;
    QWidget* main = qt::MainForm ? qt::W(qt::MainForm->Widget()) : nullptr;
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
