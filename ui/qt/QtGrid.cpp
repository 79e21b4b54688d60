#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include "QtCommon.h"

namespace gui {

// ---- String grid -------------------------------------------------------------------
namespace {
// The editor of one cell, which knows what the cell held when editing began.
class CellEditor : public QLineEdit {
public:
    CellEditor(QWidget* parent, const QModelIndex& at) : QLineEdit(parent), at(at), before(at.data().toString()) {}
    const QPersistentModelIndex at;
    const QString before;
};

// Typing goes straight into the cell, so a key-up handler reads the new text.
class LiveDelegate : public QStyledItemDelegate {
public:
    explicit LiveDelegate(StringGrid* g) : g_(g) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* e = new CellEditor(parent, index);
        e->setFrame(false);
        QObject::connect(e, &QLineEdit::textEdited, e, [e, g = g_](const QString& t) {
            const_cast<QAbstractItemModel*>(e->at.model())->setData(e->at, t);
            g->NoteUserChange();
        });
        e->installEventFilter(new KeyUpFilter(g_, e));
        return e;
    }

protected:
    // A tab in a cell's text is kept but takes no room, as on the desktop grid.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text.remove(QLatin1Char('\t'));
    }
    bool eventFilter(QObject* object, QEvent* ev) override;

private:
    class KeyUpFilter : public QObject {
    public:
        KeyUpFilter(StringGrid* g, QObject* parent) : QObject(parent), g_(g) {}
        bool eventFilter(QObject*, QEvent* ev) override {
            if (ev->type() == QEvent::KeyRelease) Dispatch(g_->OnKeyUp);
            return false;
        }

    private:
        StringGrid* g_;
    };
    StringGrid* g_;
};

// Ctrl+Tab: 1 forwards, -1 backwards (with Shift), 0 for any other key.
int CtrlTab(const QKeyEvent* ev) {
    const bool tab = ev->key() == Qt::Key_Tab || ev->key() == Qt::Key_Backtab;
    if (!tab || !(ev->modifiers() & Qt::ControlModifier)) return 0;
    return ev->key() == Qt::Key_Tab && !(ev->modifiers() & Qt::ShiftModifier) ? 1 : -1;
}

// Tab moves through the cells that can be typed into, row by row, and past
// the last of them (or Shift+Tab past the first) on to the form's next
// control, whether or not a cell is being edited; Ctrl+Tab leaves at once.
class GridWidget : public QTableWidget {
public:
    explicit GridWidget(const StringGrid* g) : g_(g) {}
    // On to the form's next (or previous) control.
    void Leave(bool next) { QWidget::focusNextPrevChild(next); }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        if (action == MoveNext || action == MovePrevious) return EditableCell(action == MoveNext);
        return QTableWidget::moveCursor(action, modifiers);
    }
    bool focusNextPrevChild(bool next) override {
        if (!EditableCell(next).isValid()) return QWidget::focusNextPrevChild(next);
        return QTableWidget::focusNextPrevChild(next);
    }
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        const bool next = hint == QAbstractItemDelegate::EditNextItem;
        if ((next || hint == QAbstractItemDelegate::EditPreviousItem) && !EditableCell(next).isValid()) {
            QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
            Leave(next);
            return;
        }
        QTableWidget::closeEditor(editor, hint);
    }
    void keyPressEvent(QKeyEvent* ev) override {
        if (const int step = CtrlTab(ev)) Leave(step > 0);
        else QTableWidget::keyPressEvent(ev);
    }
    // Entered by Tab, the grid starts at its first cell that can be typed
    // into (by Shift+Tab at its last) unless its current cell is one; a grid
    // with none shows the focus on its first cell below the headings.
    void focusInEvent(QFocusEvent* ev) override {
        const bool tab = ev->reason() == Qt::TabFocusReason, backtab = ev->reason() == Qt::BacktabFocusReason;
        if ((tab || backtab) && !Editable(currentRow(), currentColumn())) {
            QModelIndex start = EditableCell(tab, true);
            if (!start.isValid() && !currentIndex().isValid()) start = model()->index(g_->FixedRows(), g_->FixedCols());
            if (start.isValid()) setCurrentIndex(start);
        }
        QTableWidget::focusInEvent(ev);
    }

private:
    bool Editable(int row, int col) const {
        const QTableWidgetItem* it = item(row, col);
        return it && it->flags().testFlag(Qt::ItemIsEditable);
    }
    // The cell Tab (next) or Shift+Tab moves to from the current cell, or
    // from before the first or after the last; none past the end.
    QModelIndex EditableCell(bool next, bool fromEdge = false) const {
        const int cols = columnCount(), cells = rowCount() * cols;
        int i = fromEdge || !currentIndex().isValid() ? (next ? -1 : cells) : currentRow() * cols + currentColumn();
        for (i += next ? 1 : -1; i >= 0 && i < cells; i += next ? 1 : -1)
            if (Editable(i / cols, i % cols)) return model()->index(i / cols, i % cols);
        return {};
    }
    const StringGrid* g_;
};

// Keys that end the editing of a cell, besides Tab and Enter: Escape gives
// the cell back what it held, and Ctrl+Tab keeps what was typed and leaves
// the grid. The form does not see them.
bool LiveDelegate::eventFilter(QObject* object, QEvent* ev) {
    auto* editor = dynamic_cast<CellEditor*>(object);
    if (!editor || ev->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, ev);
    const auto* key = static_cast<QKeyEvent*>(ev);
    auto* grid = qt::W<GridWidget>(g_->Widget());
    if (const int step = CtrlTab(key)) {
        emit closeEditor(editor, NoHint);
        grid->Leave(step > 0);
    } else if (key->key() == Qt::Key_Escape) {
        const bool typed = editor->at.data().toString() != editor->before;
        const_cast<QAbstractItemModel*>(editor->at.model())->setData(editor->at, editor->before);
        emit closeEditor(editor, RevertModelCache);
        if (typed) Dispatch(g_->OnKeyUp);  // the window reads the cell as it was
    } else {
        return QStyledItemDelegate::eventFilter(object, ev);
    }
    return true;
}

}  // namespace

// Drags a row by its fixed first cell: pressed on one row, released on another.
class RowDragFilter : public QObject {
public:
    explicit RowDragFilter(StringGrid* g) : QObject(qt::W(g->Widget())), g_(g) {}
    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() != QEvent::MouseButtonPress && ev->type() != QEvent::MouseButtonRelease) return false;
        auto* t = qt::W<QTableWidget>(g_->Widget());
        const QPoint at = static_cast<QMouseEvent*>(ev)->position().toPoint();
        const int row = t->rowAt(at.y()), col = t->columnAt(at.x());
        if (ev->type() == QEvent::MouseButtonPress) {
            from_ = col == 0 && row >= 1 ? row : -1;
        } else if (from_ >= 1 && row >= 1 && row != from_) {
            Dispatch([this, row] { MoveRow(*g_, from_, row); });
            from_ = -1;
        }
        return false;
    }

private:
    StringGrid* g_;
    int from_ = -1;
};

struct StringGrid::Impl {
    bool editing = false;
    RowDragFilter* drag = nullptr;
};

StringGrid::StringGrid(Container& parent) : Control(&parent, qt::N(new GridWidget(this))), impl_(std::make_unique<Impl>()) {
    QTableWidget* t = qt::W<QTableWidget>(w_);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(24);
    t->setItemDelegate(new LiveDelegate(this));
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTextElideMode(Qt::ElideNone);  // a cell shows what fits of its text, never a stand-in
    QObject::connect(t, &QTableWidget::currentCellChanged, [this](int, int, int, int) { Dispatch(OnClick); });
    QObject::connect(t, &QTableWidget::cellDoubleClicked, [this](int, int) { Dispatch(OnDblClick); });
    SetColCount(cols_);
    SetRowCount(rows_);
}

StringGrid::~StringGrid() = default;

void StringGrid::Restyle() {
    QTableWidget* t = qt::W<QTableWidget>(w_);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            QTableWidgetItem* it = t->item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                t->setItem(r, c, it);
            }
            bool fixed = r < fixedRows_ || c < fixedCols_;
            Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (!fixed && impl_->editing) f |= Qt::ItemIsEditable;
            it->setFlags(f);
            it->setBackground(fixed ? qt::QC(clBtnFace) : qt::QC(clWhite));
        }
}

void StringGrid::SetColCount(int n) {
    QSignalBlocker b(qt::W(w_));
    int old = cols_;
    cols_ = n;
    qt::W<QTableWidget>(w_)->setColumnCount(n);
    for (int c = old; c < n; ++c) qt::W<QTableWidget>(w_)->setColumnWidth(c, defaultWidth_);
    Restyle();
}
void StringGrid::SetRowCount(int n) {
    QSignalBlocker b(qt::W(w_));
    rows_ = n;
    qt::W<QTableWidget>(w_)->setRowCount(n);
    Restyle();
}
void StringGrid::SetFixedCols(int n) { fixedCols_ = n; Restyle(); }
void StringGrid::SetFixedRows(int n) { fixedRows_ = n; Restyle(); }
void StringGrid::SetDefaultColWidth(int w) {
    defaultWidth_ = w;
    for (int c = 0; c < cols_; ++c) qt::W<QTableWidget>(w_)->setColumnWidth(c, w);
}
int StringGrid::ColWidth(int col) const { return qt::W<QTableWidget>(w_)->columnWidth(col); }
void StringGrid::SetColWidth(int col, int w) { qt::W<QTableWidget>(w_)->setColumnWidth(col, w); }
void StringGrid::SetRowHeight(int row, int h) { qt::W<QTableWidget>(w_)->setRowHeight(row, h); }
int StringGrid::ScrollBarHeight() const {
    const QTableWidget* t = qt::W<QTableWidget>(w_);
    return t->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, t);
}
void StringGrid::SetEditing(bool on) { impl_->editing = on; Restyle(); }

std::string StringGrid::Cell(int col, int row) const {
    QTableWidgetItem* it = qt::W<QTableWidget>(w_)->item(row, col);
    return it ? qt::S(it->text()) : std::string();
}
void StringGrid::SetCell(int col, int row, const std::string& text) {
    QSignalBlocker b(qt::W(w_));
    QTableWidgetItem* it = qt::W<QTableWidget>(w_)->item(row, col);
    if (it) it->setText(qt::Q(text));
}
bool StringGrid::CellShows(int col, const std::string& text) const {
    const QTableWidget* t = qt::W<QTableWidget>(w_);
    // A cell's text keeps the focus frame's margin and one pixel on either side.
    const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
    return qt::TextFits(t, text, t->columnWidth(col) - 2 * margin);
}
int StringGrid::Col() const { return qt::W<QTableWidget>(w_)->currentColumn(); }
int StringGrid::Row() const { return qt::W<QTableWidget>(w_)->currentRow(); }
void StringGrid::SetCurrent(int col, int row) {
    QSignalBlocker b(qt::W(w_));
    qt::W<QTableWidget>(w_)->setCurrentCell(row, col);
}
void StringGrid::SetRowMoving(bool on) {
    QWidget* view = qt::W<QTableWidget>(w_)->viewport();
    if (on && !impl_->drag) {
        impl_->drag = new RowDragFilter(this);
        view->installEventFilter(impl_->drag);
    } else if (!on && impl_->drag) {
        view->removeEventFilter(impl_->drag);
        delete impl_->drag;
        impl_->drag = nullptr;
    }
}

void MoveRow(StringGrid& g, int from, int to) {
    const int rows = g.RowCount();
    if (from < 0 || from >= rows || to < 0 || to >= rows || from == to) return;
    const int step = from < to ? 1 : -1;
    for (int c = 0; c < g.ColCount(); ++c) {
        const std::string moved = g.Cell(c, from);
        for (int r = from; r != to; r += step) g.SetCell(c, r, g.Cell(c, r + step));
        g.SetCell(c, to, moved);
    }
    g.NoteUserChange();
}

void TypeText(StringGrid& g, const std::string& text) {
    // An editor closed is hidden until it goes.
    const QList<CellEditor*> editors = qt::W(g.Widget())->findChildren<CellEditor*>();
    const auto open = std::find_if(editors.begin(), editors.end(), [](const CellEditor* e) { return !e->isHidden(); });
    if (open != editors.end()) {
        (*open)->selectAll();
        (*open)->insert(qt::Q(text));  // as typing does: raises textEdited
    } else {
        g.SetCell(g.Col(), g.Row(), text);
        g.NoteUserChange();
    }
    Dispatch(g.OnKeyUp);
}

// ---- Page control -------------------------------------------------------------------
PageControl::PageControl(Container& parent) : Control(&parent, qt::N(new QTabWidget)) {}
int PageControl::ActivePageIndex() const { return qt::W<QTabWidget>(w_)->currentIndex(); }
void PageControl::SetActivePageIndex(int i) {
    QSignalBlocker b(qt::W(w_));
    qt::W<QTabWidget>(w_)->setCurrentIndex(i);
}

// The sheet belongs to the page control's parent; the tab widget places it.
TabSheet::TabSheet(PageControl& pages, const std::string& caption) : Container(pages.Parent(), qt::N(new QWidget)) {
    qt::W<QTabWidget>(pages.Widget())->addTab(qt::W(w_), qt::Q(caption));
}

}  // namespace gui
