#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>
#include "QtCommon.h"

namespace gui {

QFont qt::ToQFont(const Font& f) {
    QString family = qt::Q(f.Name);
    if (f.Name == "MS Sans Serif" || f.Name == "Arial" || f.Name == "System") family = "Liberation Sans";
    else if (f.Name == "Arial Narrow") family = "Liberation Sans Narrow";
    else if (f.Name == "Courier" || f.Name == "Courier New") family = "Liberation Mono";
    QFont q(family);
    if (f.Height > 0) q.setPixelSize(f.Height);
    else q.setPointSize(std::max(1, f.Size));
    q.setBold(f.Bold);
    return q;
}

// ---- Control -------------------------------------------------------------------
Control::Control(Container* parent, Native* w) : w_(w), parent_(parent) {
    if (parent) qt::W(w_)->setParent(qt::W(parent->ClientWidget()));
    left_ = qt::W(w_)->x();
    top_ = qt::W(w_)->y();
    width_ = qt::W(w_)->width();
    height_ = qt::W(w_)->height();
}

Control::~Control() = default;  // Qt's parent deletes the widget

Form* Control::OwnerForm() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::NoteUserChange() {
    Form* f = OwnerForm();
    if (!f || viewing_) return;
    f->edited_ = true;
    for (QWidget* group = qt::W(w_)->parentWidget(); group; group = group->parentWidget())
        if (group->property(qt::OwnButton).isValid()) group->setProperty(qt::Untaken, true);
}

int Control::Left() const { return left_; }
int Control::Top() const { return top_; }
int Control::Width() const { return width_; }
int Control::Height() const { return height_; }
void Control::SetBounds(int l, int t, int w, int h) {
    left_ = l; top_ = t; width_ = w; height_ = h;
    ApplyGeometry();
}
void Control::SetLeft(int v) { SetBounds(v, top_, width_, height_); }
void Control::SetTop(int v) { SetBounds(left_, v, width_, height_); }
void Control::SetWidth(int v) { SetBounds(left_, top_, v, height_); }
void Control::SetHeight(int v) { SetBounds(left_, top_, width_, v); }
// A control moved keeps the control with the focus it holds in view, in a
// window larger than the screen too.
void Control::ApplyGeometry() {
    QWidget* w = qt::W(w_);
    w->setGeometry(left_, top_, std::max(0, width_), std::max(0, height_));
    QWidget* focus = w->window()->focusWidget();
    if (focus && (focus == w || w->isAncestorOf(focus))) qt::ScrollIntoView(focus);
}

void Control::SetVisible(bool v) {
    visible_ = v;
    qt::W(w_)->setVisible(v);
}
bool Control::Enabled() const { return qt::W(w_)->isEnabled(); }
void Control::SetEnabled(bool v) { qt::W(w_)->setEnabled(v); }
void Control::SetHint(const std::string& hint) { qt::W(w_)->setToolTip(qt::Q(hint)); }
void Control::SetFont(const Font& f) {
    font_ = f;
    qt::W(w_)->setFont(qt::ToQFont(f));
    QPalette p = qt::W(w_)->palette();
    p.setColor(QPalette::WindowText, qt::QC(f.Colour));
    p.setColor(QPalette::Text, qt::QC(f.Colour));
    p.setColor(QPalette::ButtonText, qt::QC(f.Colour));
    qt::W(w_)->setPalette(p);
}
void Control::SetColour(Color c) {
    QPalette p = qt::W(w_)->palette();
    p.setColor(QPalette::Window, qt::QC(c));
    p.setColor(QPalette::Base, qt::QC(c));
    qt::W(w_)->setPalette(p);
    qt::W(w_)->setAutoFillBackground(true);
}
void qt::Raise(QWidget* w) {
    if (w->isWindow() && QGuiApplication::platformName() == "offscreen") return;
    w->raise();
}

void Control::BringToFront() { qt::Raise(qt::W(w_)); }
void Control::SetFocus() { qt::W(w_)->setFocus(); }
bool HasFocus(const Control& control) {
    QWidget* w = qt::W(control.Widget());
    return w->window()->focusWidget() == w;
}

// ---- Label, Panel, GroupBox ------------------------------------------------------
namespace {
class LabelWidget : public QLabel {
public:
    LabelWidget(Label* l, const QString& caption) : QLabel(caption), l_(l) {}

protected:
    void mouseReleaseEvent(QMouseEvent* ev) override {
        QLabel::mouseReleaseEvent(ev);
        if (rect().contains(ev->position().toPoint())) l_->Click();
    }

private:
    Label* l_;
};
}  // namespace

Label::Label(Container& parent, const std::string& caption)
    : Control(&parent, qt::N(new LabelWidget(this, qt::Q(caption)))) {}
void Label::Click() {
    if (Enabled() && OnClick) Dispatch(OnClick);
}
std::string Label::Caption() const { return qt::S(qt::W<QLabel>(w_)->text()); }
void Label::SetCaption(const std::string& c) { qt::W<QLabel>(w_)->setText(qt::Q(c)); }
void Label::SetAlignment(Align a) {
    Qt::Alignment q = a == Align::Center ? Qt::AlignHCenter : a == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    qt::W<QLabel>(w_)->setAlignment(q | Qt::AlignTop);
}
void Label::SetTransparent(bool t) { qt::W(w_)->setAutoFillBackground(!t); }
void Label::SetWordWrap(bool on) { qt::W<QLabel>(w_)->setWordWrap(on); }

Panel::Panel(Container& parent, const std::string& caption) : Container(&parent, qt::N(new QFrame)) {
    auto* f = qt::W<QFrame>(w_);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    if (!caption.empty()) {
        auto* l = new QLabel(qt::Q(caption), f);
        l->setAlignment(Qt::AlignCenter);
    }
}

GroupBox::GroupBox(Container& parent, const std::string& caption)
    : Container(&parent, qt::N(new QGroupBox(qt::Q(caption)))) {}
void GroupBox::SetOpaque(bool on) { qt::W(w_)->setAutoFillBackground(on); }
void GroupBox::SetOwnButton(Button& b) {
    qt::W(w_)->setProperty(qt::OwnButton, QVariant::fromValue(static_cast<QObject*>(qt::W(b.Widget()))));
}

// ---- Edit --------------------------------------------------------------------------
namespace {
class EditWidget : public QLineEdit {
public:
    explicit EditWidget(Edit* e) : e_(e) {}

protected:
    void keyReleaseEvent(QKeyEvent* ev) override {
        QLineEdit::keyReleaseEvent(ev);
        Dispatch(e_->OnKeyUp);
    }
    void mouseDoubleClickEvent(QMouseEvent* ev) override {
        QLineEdit::mouseDoubleClickEvent(ev);
        Dispatch(e_->OnDblClick);
    }

private:
    Edit* e_;
};
}  // namespace

Edit::Edit(Container& parent, const std::string& text) : Control(&parent, qt::N(new EditWidget(this))) {
    auto* le = qt::W<QLineEdit>(w_);
    le->setText(qt::Q(text));
    // Edited by the user only: setText does not raise it.
    QObject::connect(le, &QLineEdit::textEdited, [this] { NoteUserChange(); });
}
std::string Edit::Text() const { return qt::S(qt::W<QLineEdit>(w_)->text()); }
// A text set by the program shows from its start.
void Edit::SetText(const std::string& t) {
    QLineEdit* e = qt::W<QLineEdit>(w_);
    e->setText(qt::Q(t));
    e->setCursorPosition(0);
}
void Edit::SetReadOnly(bool r) { qt::W<QLineEdit>(w_)->setReadOnly(r); }
bool Edit::ReadOnly() const { return qt::W<QLineEdit>(w_)->isReadOnly(); }
bool Edit::Shows(const std::string& t) const {
    const QLineEdit* e = qt::W<QLineEdit>(w_);
    const int frame = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
    const QMargins m = e->textMargins();
    // The line edit keeps 2 pixels inside its frame on either side.
    return qt::TextFits(e, t, width_ - 2 * frame - 4 - m.left() - m.right());
}

void TypeText(Edit& edit, const std::string& text) {
    auto* e = qt::W<QLineEdit>(edit.Widget());
    e->selectAll();
    e->insert(qt::Q(text));  // as typing does: raises textEdited
    Dispatch(edit.OnKeyUp);
}

bool qt::TextFits(const QWidget* w, const std::string& text, int room) {
    return w->fontMetrics().horizontalAdvance(qt::Q(text)) <= room;
}

// ---- Button ------------------------------------------------------------------------
namespace {
// Enter is its form's to answer, which knows which button it presses.
class ButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* ev) override {
        if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) return ev->ignore();
        QPushButton::keyPressEvent(ev);
    }
};
}  // namespace

Button::Button(Container& parent, const std::string& caption)
    : Control(&parent, qt::N(new ButtonWidget(qt::Q(caption)))) {
    QObject::connect(qt::W<QPushButton>(w_), &QPushButton::clicked, [this] { Click(); });
}
std::string Button::Caption() const { return qt::S(qt::W<QPushButton>(w_)->text()); }
void Button::SetDefault(bool d) { qt::W(w_)->setProperty(qt::MainDefault, d); }
// The group whose own button this is has its entries taken once the click's
// action is done.
void Button::Click() {
    if (!Enabled()) return;
    Dispatch([this] {
        if (modalResult_ != 0)
            if (Form* f = OwnerForm()) f->SetModalResult(modalResult_);
        if (OnClick) OnClick();
        for (QWidget* group = qt::W(w_)->parentWidget(); group; group = group->parentWidget())
            if (group->property(qt::OwnButton).value<QObject*>() == qt::W(w_)) group->setProperty(qt::Untaken, false);
    });
}

// ---- Check box and radio button ----------------------------------------------------
CheckBox::CheckBox(Container& parent, const std::string& caption)
    : Control(&parent, qt::N(new QCheckBox(qt::Q(caption)))) {
    QObject::connect(qt::W<QCheckBox>(w_), &QCheckBox::clicked, [this](bool c) { UserClicked(c); });
}
void CheckBox::UserClicked(bool c) {
    focused_ = true;
    checked_ = c;
    NoteUserChange();
    Dispatch(OnClick);
    focused_ = false;
}
void CheckBox::Show(bool c) {
    QSignalBlocker b(qt::W(w_));
    qt::W<QCheckBox>(w_)->setChecked(c);
}
void CheckBox::SetCheckedQuietly(bool c) {
    checked_ = c;
    Show(c);
}
void CheckBox::Click() {
    if (!Enabled()) return;
    Show(!checked_);
    UserClicked(!checked_);
}

namespace {
// The arrow keys click the next or the previous button of the group that can
// be seen, round.
class RadioWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* ev) override {
        const int key = ev->key();
        const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
        if (step == 0) return QRadioButton::keyPressEvent(ev);
        std::vector<QRadioButton*> group;
        for (QRadioButton* r : parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (r == this || (r->isEnabled() && !r->isHidden() && qt::Seen(r))) group.push_back(r);
        const auto n = static_cast<std::ptrdiff_t>(group.size());
        const std::ptrdiff_t at = std::find(group.begin(), group.end(), this) - group.begin();
        QRadioButton* to = group[static_cast<size_t>((at + step + n) % n)];
        to->setFocus(Qt::OtherFocusReason);
        if (!to->isChecked()) to->click();
    }
};
}  // namespace

RadioButton::RadioButton(Container& parent, const std::string& caption)
    : Control(&parent, qt::N(new RadioWidget(qt::Q(caption)))) {
    auto* rb = qt::W<QRadioButton>(w_);
    rb->setAutoExclusive(false);
    parent.radios_.push_back(this);
    QObject::connect(rb, &QRadioButton::clicked, [this] { Click(); });
}
void RadioButton::Show(bool c) {
    QSignalBlocker b(qt::W(w_));
    qt::W<QRadioButton>(w_)->setChecked(c);
}
void RadioButton::SetCheckedQuietly(bool c) {
    checked_ = c;
    Show(c);
    if (!c) return;
    for (RadioButton* r : parent_->radios_)
        if (r != this && r->checked_) {
            r->checked_ = false;
            r->Show(false);
        }
}
void RadioButton::Click() {
    if (!Enabled()) return;
    if (!checked_) NoteUserChange();
    SetCheckedQuietly(true);
    Dispatch(OnClick);
}

// ---- List box ---------------------------------------------------------------------
namespace {
// A click that moves the selection reports the change; one on the line
// already selected reports the click, so every click runs the handler once.
class ListWidget : public QListWidget {
public:
    explicit ListWidget(ListBox* l) : l_(l) {
        setUniformItemSizes(true);
        setTextElideMode(Qt::ElideNone);  // whole lines, scrolled sideways when longer than the list
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        connect(this, &QListWidget::currentRowChanged, [this](int) {
            moved_ = true;
            l_->NoteUserChange();
            Dispatch(l_->OnClick);
        });
        connect(this, &QListWidget::itemClicked, [this](QListWidgetItem*) {
            if (!moved_) Dispatch(l_->OnClick);
        });
    }

protected:
    void mousePressEvent(QMouseEvent* ev) override {
        moved_ = false;
        QListWidget::mousePressEvent(ev);
    }
    // Taking the focus chooses nothing: the line the toolkit marks for the
    // keys is unmarked again, so that the first key chooses a line.
    void focusInEvent(QFocusEvent* ev) override {
        const QSignalBlocker quiet(this);
        const bool none = currentRow() < 0;
        QListWidget::focusInEvent(ev);
        if (none) setCurrentRow(-1);
    }
    // The keys pass over blank lines, which separate groups, and stay where
    // they are with none but blank lines beyond.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex to = QListWidget::moveCursor(action, modifiers);
        const int from = currentRow(), step = to.row() < from ? -1 : 1;
        for (int row = to.row(); row != from && row >= 0 && row < count(); row += step)
            if (!item(row)->text().trimmed().isEmpty()) return model()->index(row, 0);
        return currentIndex();
    }

private:
    ListBox* l_;
    bool moved_ = false;
};
}  // namespace

ListBox::ListBox(Container& parent) : Control(&parent, qt::N(new ListWidget(this))) {}
void ListBox::Add(const std::string& item) { qt::W<QListWidget>(w_)->addItem(qt::Q(item)); }
// A list cleared to be filled again starts at its top left, whatever was
// scrolled into view before.
void ListBox::Clear() {
    QSignalBlocker b(qt::W(w_));
    auto* list = qt::W<QListWidget>(w_);
    list->clear();
    list->verticalScrollBar()->setValue(0);
    list->horizontalScrollBar()->setValue(0);
}
int ListBox::Count() const { return qt::W<QListWidget>(w_)->count(); }
std::string ListBox::Item(int i) const {
    auto* it = qt::W<QListWidget>(w_)->item(i);
    return it ? qt::S(it->text()) : std::string();
}
int ListBox::ItemIndex() const { return qt::W<QListWidget>(w_)->currentRow(); }
void ListBox::SetItemIndex(int i) {
    QSignalBlocker b(qt::W(w_));
    qt::W<QListWidget>(w_)->setCurrentRow(i);
}

// ---- Up-down spinner ---------------------------------------------------------------
namespace {
// Up and Down in the spinner's edit, or in the spinner, step it as its
// arrows do.
class StepKeys : public QObject {
public:
    StepKeys(UpDown* u, QObject* parent) : QObject(parent), u_(u) {}
    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(ev)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
        u_->Step(key == Qt::Key_Up ? 1 : -1);
        return true;
    }

private:
    UpDown* u_;
};

// The arrows. While the edit is hidden the spinner is a Tab stop itself,
// framed while it has the focus.
class SpinWidget : public QWidget {
public:
    explicit SpinWidget(QWidget* edit) : edit_(edit) {
        setFocusPolicy(Qt::NoFocus);
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() == QEvent::ShowToParent || ev->type() == QEvent::HideToParent)
            setFocusPolicy(edit_->isHidden() ? Qt::TabFocus : Qt::NoFocus);
        return false;
    }
    void focusInEvent(QFocusEvent* ev) override {
        Frame(2);
        QWidget::focusInEvent(ev);
    }
    void focusOutEvent(QFocusEvent* ev) override {
        Frame(0);
        QWidget::focusOutEvent(ev);
    }
    void paintEvent(QPaintEvent*) override {
        if (!hasFocus()) return;
        QPainter p(this);
        QStyleOption o;
        o.initFrom(this);
        qt::DrawFocusFrame(p, o);
    }

private:
    // The arrows leave room around them for the frame.
    void Frame(int margin) {
        layout()->setContentsMargins(margin, margin, margin, margin);
        update();
    }
    QWidget* edit_;
};
}  // namespace

UpDown::UpDown(Container& parent, Edit& associate)
    : Control(&parent, qt::N(new SpinWidget(qt::W(associate.Widget())))), edit_(associate) {
    auto* up = new QToolButton(qt::W(w_));
    auto* down = new QToolButton(qt::W(w_));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(qt::W(w_));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up, down}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    QObject::connect(up, &QToolButton::clicked, [this] { Step(1); });
    QObject::connect(down, &QToolButton::clicked, [this] { Step(-1); });
    for (QWidget* keys : {qt::W(associate.Widget()), qt::W(w_)})
        keys->installEventFilter(new StepKeys(this, qt::W(w_)));
}
void UpDown::SetPosition(int v) {
    pos_ = std::clamp(v, min_, max_);
    edit_.SetText(std::to_string(pos_));
}
// Steps from the number shown in the edit, which the user may have typed;
// a text that is no whole number steps from the last position.
void UpDown::Step(int delta) {
    if (!Enabled()) return;
    Dispatch([this, delta] {
        bool number = false;
        const long long shown = qt::W<QLineEdit>(edit_.Widget())->text().trimmed().toLongLong(&number);
        const int was = pos_;
        SetPosition(static_cast<int>(std::clamp<long long>((number ? shown : pos_) + delta, min_, max_)));
        if (pos_ != was) edit_.NoteUserChange();  // as typing the number would
        if (OnClick) OnClick();
    });
}

}  // namespace gui
