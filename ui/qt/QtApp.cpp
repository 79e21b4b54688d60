#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include "QtCommon.h"

namespace gui {
namespace qt {
gui::Form* MainForm = nullptr;
}

namespace {
// Never destroyed: the windows live until the process ends, and Qt keeps a
// reference to argc.
QApplication* app = nullptr;
int appArgc = 0;
std::string title;
int screenW = 0, screenH = 0;
bool hourglass = false;
}  // namespace

bool InitApplication(int& argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    bool headless = platform && *platform;
    if (!headless && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Korvela needs a display; none was found (run it as: xvfb-run ./build.sh run).\n");
        return false;
    }
    appArgc = argc;
    app = new QApplication(appArgc, argv);
    return true;
}

void SetApplicationTitle(const std::string& t) {
    title = t;
    // Not the display name, which the toolkit would add to every window's caption.
    if (app) QApplication::setApplicationName(qt::Q(t));
}
std::string ApplicationTitle() { return title; }

int RunApplication(Form& mainForm) {
    qt::MainForm = &mainForm;
    mainForm.Show();
    return QApplication::exec();
}

int ScreenWidth() {
    if (screenW) return screenW;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().width() : 1024;
}
int ScreenHeight() {
    if (screenH) return screenH;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().height() : 768;
}
void SetScreenSize(int width, int height) {
    screenW = width;
    screenH = height;
}

void SetHourglass(bool on) {
    if (on == hourglass) return;
    hourglass = on;
    if (!app) return;
    if (on)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}
bool Hourglass() { return hourglass; }

Busy::Busy() : was_(hourglass) { SetHourglass(true); }
Busy::~Busy() { SetHourglass(was_); }

}  // namespace gui
