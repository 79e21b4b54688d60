// Shared by the Qt backend only.
#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include "gui_testing.h"

class QDialog;
class QPaintDevice;
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

// Moves the focus to the next (or the previous) of the Tab stops that
// `client`, a form's client area, holds, in reading order; false when it
// holds none.
bool MoveFocus(QWidget* client, bool next);

class Form;
// The QApplication's main form (closing it ends the program).
extern gui::Form* MainForm;

}  // namespace gui::qt
