// Shared by the Qt backend only.
#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include "gui.h"

class QDialog;

namespace gui::qt {

// Texts are UTF-8 throughout the program.
inline QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
inline std::string S(const QString& s) { return s.toUtf8().toStdString(); }
inline QColor QC(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// The Windows faces the windows were laid out with, mapped to metric-compatible ones.
QFont ToQFont(const Font& f);

// Raises a widget over its siblings; a window on the headless platform has
// nothing to be raised over.
void Raise(QWidget* w);

// The window a dialog opened now belongs to.
QWidget* DialogOwner();
// A dialog made with DialogOwner() as its parent opens in front of it and of
// any window kept on top, and takes the focus.
void PutInFront(QDialog* d);

class Form;
// The QApplication's main form (closing it ends the program).
extern gui::Form* MainForm;

}  // namespace gui::qt
