#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
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

// The desktop's style, marking the control with the focus from the start,
// not only once a key has moved the focus, and plainly whatever the window's
// colours: a button by a dotted frame inside it, a list or grid by its frame
// in the highlight colour.
class FocusStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        const Marked marked(o);
        QProxyStyle::drawPrimitive(e, o, p, w);
        if (e == PE_Frame && (o->state & State_HasFocus)) qt::DrawFocusFrame(*p, *o);
    }
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        const Marked marked(o);
        QProxyStyle::drawControl(e, o, p, w);
        if (e != CE_PushButton || !(o->state & State_HasFocus)) return;
        p->save();
        p->setPen(QPen(o->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(o->rect.adjusted(4, 4, -5, -5));
        p->restore();
    }

private:
    // The style draws the focus of an option so marked; the mark is the
    // option's while it is drawn.
    class Marked {
    public:
        explicit Marked(const QStyleOption* o) : o_(const_cast<QStyleOption*>(o)), was_(o->state) {
            if (o_->state & State_HasFocus) o_->state |= State_KeyboardFocusChange;
        }
        ~Marked() { o_->state = was_; }
        Marked(const Marked&) = delete;
        Marked& operator=(const Marked&) = delete;

    private:
        QStyleOption* o_;
        State was_;
    };
};
}  // namespace

void qt::DrawFocusFrame(QPainter& p, const QStyleOption& o) {
    p.save();
    p.setPen(QPen(o.palette.color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(o.rect.adjusted(1, 1, -1, -1));
    p.restore();
}

bool InitApplication(int& argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    bool headless = platform && *platform;
    if (!headless && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Korvela needs a display; none was found (run it as: xvfb-run ./build.sh run).\n");
        return false;
    }
    appArgc = argc;
    app = new QApplication(appArgc, argv);
    QApplication::setStyle(new FocusStyle);
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
