// Shared by the Qt backend only.
#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include "gui_testing.h"

class QDialog;
class QPaintDevice;
class QPainter;
class QStyleOption;
class QWidget;

namespace gui::qt {

// Texts are UTF-8 throughout the program.
inline QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
inline std::string S(const QString& s) { return s.toUtf8().toStdString(); }
inline QColor QC(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// A control's widget, as the toolkit's widget or one of its kinds, and back.
template <class T = QWidget>
T* W(Native* n) { return static_cast<T*>(reinterpret_cast<QWidget*>(n)); }
inline Native* N(QWidget* w) { return reinterpret_cast<Native*>(w); }
// A canvas's device, and back.
inline const QPaintDevice* D(const NativeDevice* d) { return reinterpret_cast<const QPaintDevice*>(d); }
inline NativeDevice* ND(QPaintDevice* d) { return reinterpret_cast<NativeDevice*>(d); }

// The Windows faces the windows were laid out with, mapped to metric-compatible ones.
QFont ToQFont(const Font& f);

// Whether text, in the widget's font, takes no more than room pixels across.
bool TextFits(const QWidget* w, const std::string& text, int room);

// Raises a widget over its siblings; a window on the headless platform has
// nothing to be raised over.
void Raise(QWidget* w);

// The window a dialog opened now belongs to.
QWidget* DialogOwner();
// A form's window has been shown: it is the last shown.
void NoteShown(QWidget* w);
// A dialog made with DialogOwner() as its parent opens in front of it and of
// any window kept on top, and takes the focus.
void PutInFront(QDialog* d);

// The property that marks a form's default button, which a dialog's button
// with the focus stands in for while it has it.
constexpr const char* MainDefault = "mainDefault";
// The properties of a group with a button of its own: the button, and the
// mark of entries changed in the group that the button has not taken.
constexpr const char* OwnButton = "ownButton";
constexpr const char* Untaken = "untaken";

// The frame that marks a list, a grid or a spinner with the focus, along
// the edge of the option's box.
void DrawFocusFrame(QPainter& p, const QStyleOption& o);

// Moves the focus to the next (or the previous) of the Tab stops that
// `client`, a form's client area, holds, in reading order; false when it
// holds none. The stops are the controls that can be seen: shown, enabled,
// inside the client area and not wholly under other controls.
bool MoveFocus(QWidget* client, bool next);
// Some of the control lies inside its form's client area, under no other
// control.
bool Seen(const QWidget* w);
// The client area of the form that holds w.
QWidget* ClientArea(const QWidget* w);
// A window larger than the screen scrolls to show the control.
void ScrollIntoView(QWidget* w);

class Form;
// The QApplication's main form (closing it ends the program).
extern gui::Form* MainForm;

}  // namespace gui::qt
