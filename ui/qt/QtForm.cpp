#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include "QtCommon.h"

namespace gui {

namespace {
std::function<void(Form&)> modalHook;

constexpr int ToolCaptionHeight = 17;
constexpr int MenuBarHeight = 20;

// The form's menu bar; none until the form is given a menu.
QMenuBar* MenuBarOf(const Form& form) {
    return qt::W(form.Widget())->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

// The form's menu bar, made on first use above the client area.
QMenuBar* MakeMenuBar(Form& form) {
    if (QMenuBar* bar = MenuBarOf(form)) return bar;
    const int cw = form.ClientWidth(), ch = form.ClientHeight();
    auto* bar = new QMenuBar(qt::W(form.Widget()));
    bar->setNativeMenuBar(false);
    // The bar keeps the system colours whatever the form's background is.
    bar->setStyleSheet("QMenuBar { background: #D4D0C8; color: black; }");
    form.SetClientSize(cw, ch);
    return bar;
}

bool IsMainForm(const Form& form) { return qt::MainForm == &form; }

// The client area sits in a scroll area, so a form taller or wider than the
// screen can still be reached whole.
QScrollArea* ClientScroller(const QWidget* form) {
    return form->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}
}  // namespace

QWidget* qt::ClientArea(const QWidget* w) { return ClientScroller(w->window())->widget(); }

namespace {

class FormWidget : public QWidget {
public:
    explicit FormWidget(Form* f) : f_(f) {}
    QEventLoop* loop = nullptr;
    bool dialog = false;
    Button* cancel = nullptr;
    // As in a dialog, the button Enter acts on shows as the default.
    void ShowDefault() {
        bool focusOnly = false;
        const QPushButton* enter = EnterButton(focusOnly);
        for (QPushButton* b : findChildren<QPushButton*>()) b->setDefault(b == enter);
    }

protected:
    void closeEvent(QCloseEvent* ev) override {
        ev->ignore();
        Dispatch([this] { f_->Close(); });
    }
    bool focusNextPrevChild(bool next) override { return qt::MoveFocus(qt::ClientArea(this), next); }
    // A window that opens with no control focused gives the focus to its
    // first, as Tab would.
    bool event(QEvent* ev) override {
        if (ev->type() == QEvent::WindowActivate && !focusWidget()) focusNextPrevChild(true);
        return QWidget::event(ev);
    }
    // Reached by the keys the control with the focus leaves: Enter, and in a
    // dialog Escape.
    void keyPressEvent(QKeyEvent* ev) override {
        if (dialog && ev->matches(QKeySequence::Cancel)) {
            if (cancel) cancel->Click();
            else Dispatch([this] { f_->Close(); });
            return;
        }
        const bool enter = ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter;
        if (!enter || (ev->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return QWidget::keyPressEvent(ev);
        bool focusOnly = false;
        if (QPushButton* b = EnterButton(focusOnly); focusOnly) b->setFocus(Qt::OtherFocusReason);
        else if (b) b->click();  // nothing when disabled
    }

private:
    static QPushButton* OwnButton(const QWidget* group) {
        return qobject_cast<QPushButton*>(group->property(qt::OwnButton).value<QObject*>());
    }
    // The button Enter acts on: the button it presses, but the form is not
    // taken past a group shown whose entries are not; then Enter only moves
    // the focus to the group's button (focusOnly).
    QPushButton* EnterButton(bool& focusOnly) const {
        QPushButton* pressed = Pressed();
        QPushButton* untaken = pressed && pressed->property(qt::MainDefault).toBool() ? UntakenGroupButton() : nullptr;
        focusOnly = untaken != nullptr;
        return untaken ? untaken : pressed;
    }
    // The button with the focus, else the button of the innermost group
    // around the focus that has one, else the form's default.
    QPushButton* Pressed() const {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) return focused;
        for (const QWidget* w = focusWidget(); w && w != this; w = w->parentWidget())
            if (QPushButton* b = OwnButton(w)) return b;
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->property(qt::MainDefault).toBool() && b->isVisibleTo(this)) return b;
        return nullptr;
    }
    // The button of a group shown whose entries the user has changed since
    // the button last took them.
    QPushButton* UntakenGroupButton() const {
        for (const QWidget* w : findChildren<QWidget*>())
            if (QPushButton* b = OwnButton(w); b && w->property(qt::Untaken).toBool() && w->isVisibleTo(this))
                return b;
        return nullptr;
    }
    Form* f_;
};
}  // namespace

Form::Form(const std::string& caption) : Container(nullptr, qt::N(new FormWidget(this))) {
    qt::W(w_)->setWindowTitle(qt::Q(caption));
    auto* scroller = new QScrollArea(qt::W(w_));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    client_ = qt::N(new QWidget);
    scroller->setWidget(qt::W(client_));
    SetFont(Font{});
    SetClientSize(400, 300);
}

Form::~Form() { delete qt::W(w_); }

void ClickAt(Form& form, int x, int y) {
    QWidget* client = qt::ClientArea(qt::W(form.Widget()));
    QWidget* target = client->childAt(x, y);
    if (!target) target = client;
    const QPointF local = target->mapFrom(client, QPointF(x, y));
    const QPointF global = target->mapToGlobal(local);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent ev(type, local, global, Qt::LeftButton,
                       type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &ev);
    }
}

void PressKey(Form& form, Key key) {
    struct Stroke { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* text; };
    const Stroke strokes[] = {{Qt::Key_Return, Qt::NoModifier, "\r"},
                              {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
                              {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
                              {Qt::Key_Tab, Qt::NoModifier, "\t"},
                              {Qt::Key_Backtab, Qt::ShiftModifier, ""},
                              {Qt::Key_Tab, Qt::ControlModifier, ""},
                              {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ""},
                              {Qt::Key_Up, Qt::NoModifier, ""},
                              {Qt::Key_Down, Qt::NoModifier, ""},
                              {Qt::Key_Right, Qt::NoModifier, ""},
                              {Qt::Key_F2, Qt::NoModifier, ""},
                              {Qt::Key_Space, Qt::NoModifier, " "}};
    const Stroke& s = strokes[static_cast<int>(key)];
    QWidget* window = qt::W(form.Widget());
    // The focus reaches the controls only in the active window, which the
    // offscreen platform does not give back to a window hidden and shown.
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent ev(type, s.key, s.modifiers, QString::fromLatin1(s.text));
        QCoreApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window, &ev);
    }
}

std::string Form::Caption() const { return qt::S(qt::W(w_)->windowTitle()); }
void Form::SetCaption(const std::string& c) { qt::W(w_)->setWindowTitle(qt::Q(c)); }

void Form::SetBorder(Border b) {
    int cw = ClientWidth(), ch = ClientHeight();
    border_ = b;
    Qt::WindowFlags fl = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (b == Border::ToolWindow) fl |= Qt::Tool;
    if (b == Border::Dialog) fl |= Qt::Dialog;
    bool top = qt::W(w_)->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (top) fl |= Qt::WindowStaysOnTopHint;
    qt::W(w_)->setWindowFlags(fl);
    SetClientSize(cw, ch);
}

void Form::SetStayOnTop(bool on) { qt::W(w_)->setWindowFlag(Qt::WindowStaysOnTopHint, on); }

int Form::FrameHeight() const {
    return 2 * FrameWidth + (border_ == Border::ToolWindow ? ToolCaptionHeight : CaptionHeight) +
           (MenuBarOf(*this) ? MenuBarHeight : 0);
}

void Form::SetClientSize(int width, int height) {
    width_ = width + 2 * FrameWidth;
    height_ = height + FrameHeight();
    ApplyGeometry();
}
int Form::ClientWidth() const { return width_ - 2 * FrameWidth; }
int Form::ClientHeight() const { return height_ - FrameHeight(); }

void Form::CentreOnScreen() {
    left_ = (ScreenWidth() - width_) / 2;
    top_ = (ScreenHeight() - height_) / 2;
    ApplyGeometry();
}

void Form::ApplyGeometry() {
    QMenuBar* bar = MenuBarOf(*this);
    int menu = bar ? MenuBarHeight : 0;
    int cw = std::max(0, ClientWidth()), ch = std::max(0, ClientHeight());
    int shownW = std::min(cw, std::max(1, ScreenWidth() - 2 * FrameWidth));
    int shownH = std::min(ch, std::max(1, ScreenHeight() - FrameHeight()));
    qt::W(w_)->setGeometry(left_ + FrameWidth, top_ + FrameHeight() - FrameWidth - menu, shownW, shownH + menu);
    ClientScroller(qt::W(w_))->setGeometry(0, menu, shownW, shownH);
    qt::W(client_)->resize(cw, ch);
    if (bar) bar->setGeometry(0, 0, shownW, menu);
}

void Form::ClearEdited() {
    edited_ = false;
    for (QWidget* w : qt::W(w_)->findChildren<QWidget*>())
        if (w->property(qt::Untaken).toBool()) w->setProperty(qt::Untaken, false);
}

void Form::SetDialogKeys(Button* cancel) {
    qt::W<FormWidget>(w_)->dialog = true;
    qt::W<FormWidget>(w_)->cancel = cancel;
    static const auto tracking = QObject::connect(qApp, &QApplication::focusChanged, [](QWidget* old, QWidget* now) {
        for (QWidget* w : {old, now})
            if (auto* form = w ? dynamic_cast<FormWidget*>(w->window()) : nullptr; form && form->dialog)
                form->ShowDefault();
    });
}

void Form::Show() {
    if (showing_) {
        qt::Raise(qt::W(w_));
        return;
    }
    showing_ = true;
    qt::W(w_)->show();
    // The keys go to the form shown, a tool window too, which the desktop
    // may open without the focus.
    qt::W(w_)->activateWindow();
    qt::NoteShown(qt::W(w_));
    Dispatch(OnShow);
}

void Form::Hide() {
    showing_ = false;
    qt::W(w_)->hide();
    if (auto* loop = qt::W<FormWidget>(w_)->loop) loop->quit();
}

void Form::Close() {
    if (OnCloseQuery && !OnCloseQuery()) return;
    Hide();
    // Not quit(), which other windows refuse by keeping their close for
    // themselves, leaving the program running on them.
    if (IsMainForm(*this)) QCoreApplication::exit(0);
}

void Form::SetModalResult(int r) {
    modalResult_ = r;
    if (inModal_ && r != mrNone) Hide();
}

void SetModalHook(std::function<void(Form&)> hook) { modalHook = std::move(hook); }

int Form::ShowModal() {
    ShowQueuedMessages();  // what was said before the form comes first
    modalResult_ = mrNone;
    inModal_ = true;
    // The other windows take no input while it is shown, as under the
    // toolkit's dialogs; the toolkit takes that at a showing only.
    if (showing_) Hide();
    qt::W(w_)->setWindowModality(Qt::ApplicationModal);
    Show();
    if (modalHook) {
        modalHook(*this);
    } else if (showing_) {
        QEventLoop loop;
        qt::W<FormWidget>(w_)->loop = &loop;
        loop.exec();
        qt::W<FormWidget>(w_)->loop = nullptr;
    }
    inModal_ = false;
    if (showing_) Hide();
    qt::W(w_)->setWindowModality(Qt::NonModal);
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return modalResult_;
}

// ---- Menus ---------------------------------------------------------------------------
MainMenu::MainMenu(Form& form) : form_(form) { MakeMenuBar(form); }

MenuItem::MenuItem(MainMenu& menu, const std::string& caption) : caption_(caption) {
    QMenuBar* bar = MakeMenuBar(menu.Owner());
    QMenu* m = bar->addMenu(qt::Q(caption));
    menu_ = m;
    action_ = m->menuAction();
}

MenuItem::MenuItem(MenuItem& parent, const std::string& caption) : caption_(caption) {
    if (!parent.menu_) {
        // The parent item becomes a submenu with its first item.
        auto* pa = static_cast<QAction*>(parent.action_);
        auto* sub = new QMenu(qobject_cast<QWidget*>(pa->parent()));
        sub->setTitle(pa->text());
        pa->setMenu(sub);
        parent.menu_ = sub;
    }
    auto* pm = static_cast<QMenu*>(parent.menu_);
    if (caption == "-") {
        action_ = pm->addSeparator();
        return;
    }
    QAction* a = pm->addAction(qt::Q(caption));
    action_ = a;
    QObject::connect(a, &QAction::triggered, [this] { Dispatch(OnClick); });
}

bool MenuItem::Enabled() const { return static_cast<QAction*>(action_)->isEnabled(); }
void MenuItem::SetEnabled(bool e) { static_cast<QAction*>(action_)->setEnabled(e); }
void MenuItem::Click() {
    if (Enabled()) Dispatch(OnClick);
}

}  // namespace gui
