// Everything the program asks of the windowing platform, as small classes with
// std::function callbacks. Windows are built from these; the toolkit behind
// them lives in ui/qt and is never seen by the rest of the program.
//
// Conventions kept from the desktop toolkit the windows were laid out for:
// - controls stand at absolute pixel positions in their parent's client area;
// - forms are created hidden and live until exit; closing one hides it;
// - the program sets check boxes and radio buttons quietly: no click handler
//   runs, and a caller that means the click's action runs it itself;
// - every handler started by the user runs through Dispatch: an error abandons
//   the action, the cursor returns to normal and the error's text is shown
//   once the event has been handled.
// - Tab moves through a form's controls in reading order (rows top to bottom,
//   each left to right, into each group), passing over controls the user
//   cannot see: hidden, disabled, outside the form's client area or wholly
//   under other controls; the arrow keys among radio buttons pass over them
//   too.
// - Enter presses the button with the focus, else the button of the group
//   around the focus that has one of its own (GroupBox::SetOwnButton), else
//   the form's default button.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace gui {

// The toolkit's widget behind a control, and the device a canvas measures
// texts on; only ui/qt knows what they are.
class Native;
class NativeDevice;

// ---- Colours, fonts, geometry ------------------------------------------------
using Color = uint32_t;  // 0xRRGGBB
constexpr Color clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0xFF0000, clLime = 0x00FF00,
                clBlue = 0x0000FF, clYellow = 0xFFFF00, clAqua = 0x00FFFF, clFuchsia = 0xFF00FF,
                clGray = 0x808080, clTeal = 0x008080, clNavy = 0x000080, clBtnFace = 0xD4D0C8;

struct Font {
    std::string Name = "MS Sans Serif";
    int Size = 8;     // points, used when Height is 0
    int Height = 0;   // pixels; wins over Size when not 0
    Color Colour = clBlack;
    bool Bold = false;
    bool operator==(const Font&) const = default;
};

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

enum class Align { Left, Center, Right };

// ---- Canvas ------------------------------------------------------------------
// What a canvas has drawn since each area was last filled: strokes with
// their pen widths and the boxes of texts, so that a label can be put where
// nothing crosses it. Given the picture's area, only what meets it is kept,
// as nothing fills what lies outside; without one all is kept.
class Drawn {
public:
    void Stroke(int x1, int y1, int x2, int y2, int width, const std::optional<Rect>& area = {});
    void Box(const Rect& r, const std::optional<Rect>& area = {});
    void Forget(const Rect& r, const std::optional<Rect>& area = {});  // painted over: what touches r is gone
    void ForgetAll();
    bool Free(const Rect& r, bool boxesOnly = false) const;  // boxesOnly: texts and blocks, not strokes
    size_t Count() const { return items_.size(); }

private:
    struct Item {
        int x1, y1, x2, y2;
        int half;  // half the pen width; -1 for a box
        Rect Bounds() const;
        bool Crosses(const Rect& r) const;
    };
    void Add(const Item& item, const std::optional<Rect>& area);
    template <class F>
    void EachCell(const Rect& r, F f) const;
    std::vector<Item> items_;
    std::unordered_map<int64_t, std::vector<int>> cells_;  // items by square of the page
    std::vector<int>* last_ = nullptr;                     // the square filed into last
    int64_t lastCell_ = 0;
};

// One drawing interface over the screen image and the printer page. Pen,
// brush and font are current state read by each primitive.
class Canvas {
public:
    struct {
        Color Colour = clBlack;
        int Width = 1;
    } Pen;
    struct {
        Color Colour = clWhite;
        bool Clear = false;  // hollow brush: text drawn without a background
    } Brush;
    Font TextFont{"MS Sans Serif", 8, 0, clBlack, false};

    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas();
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);  // x, y: top-left of the text
    void FillRect(const Rect& r);                         // brush colour, right/bottom excluded
    int TextWidth(const std::string& text) const;
    // What the text drawn at (x, y) covers: its advance across, and down from
    // the top of its capitals to its descent.
    Rect TextBox(int x, int y, const std::string& text) const;
    // True when no stroke or text drawn since r was last filled crosses r.
    bool Free(const Rect& r) const { return drawn_.Free(r); }
    // True when no text or block drawn since r was last filled meets r.
    bool FreeOfTexts(const Rect& r) const { return drawn_.Free(r, true); }
    // Counts r as drawn over: a control that stands over the picture there.
    void Block(const Rect& r) { drawn_.Box(r, Area()); }
    void NewPage() { drawn_.ForgetAll(); }  // a printer's next page starts empty

protected:
    virtual void DoLine(int x1, int y1, int x2, int y2) = 0;
    virtual void DoText(int x, int y, const std::string& text) = 0;
    virtual void DoFill(const Rect& r) = 0;
    // The device that texts are measured on; nullptr for the screen.
    virtual const NativeDevice* TextDevice() const { return nullptr; }
    // The picture drawn on, from (0, 0); none for a canvas that draws nowhere.
    virtual std::optional<Rect> Area() const { return std::nullopt; }

private:
    friend size_t DrawnCount(const Canvas& canvas);
    int penX_ = 0, penY_ = 0;
    Drawn drawn_;
};

// ---- Application -------------------------------------------------------------
class Form;

// Starts the toolkit. Returns false (and writes why) when there is no display.
bool InitApplication(int& argc, char** argv);
void SetApplicationTitle(const std::string& title);
std::string ApplicationTitle();
// Shows the main form and runs the message loop until it closes.
int RunApplication(Form& mainForm);

// Runs one event handler: an error abandons it and is shown in a message box.
void Dispatch(const std::function<void()>& handler);

// Screen size in pixels.
int ScreenWidth();
int ScreenHeight();

// Modal, OK; "\r" breaks the line. The box opens in front of the window it
// belongs to and takes the focus. Raised while a handler runs, the message
// waits until the event in hand has been handled; messages keep their order.
// Messages still waiting are shown before a question, a modal form or a
// file dialog.
void ShowMessage(const std::string& text);
// Modal question with Yes and No; true for Yes. It waits for the answer
// inside the handler: ask it from a button or menu item, not from a key or a
// grid.
bool AskYesNo(const std::string& text);
// Modal question before changes are given up, with the toolkit's Save,
// Discard and Cancel buttons; Save is the default, and closing the box is
// Cancel. Asked as AskYesNo is.
enum class SaveChoice { Save, Discard, Cancel };
SaveChoice AskSaveChanges(const std::string& text);

// The hourglass cursor while the guard lives: on from its start, and at its
// end, whether the block ends normally or by an error, as it was before, so
// that a guard inside another leaves it on.
class Busy {
public:
    Busy();
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool was_;
};

// Date and time of day as the page header prints them ("07/12/2026",
// "14:05:09").
std::string DateText();
std::string TimeText();

// ---- Controls ----------------------------------------------------------------
class Container;

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool v);
    void SetHint(const std::string& hint);
    void SetFont(const Font& f);
    const Font& GetFont() const { return font_; }
    void SetColour(Color c);
    void BringToFront();
    void SetFocus();  // the keyboard focus

    Native* Widget() const { return w_; }
    Container* Parent() const { return parent_; }
    Form* OwnerForm();

    // The user changed the control: its form counts as edited, unless the
    // control only chooses what the form shows (SetViewing).
    void NoteUserChange();
    void SetViewing() { viewing_ = true; }

protected:
    Control(Container* parent, Native* w);
    virtual void ApplyGeometry();
    Native* w_;
    Container* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

private:
    bool visible_ = true;
    bool viewing_ = false;
    Font font_;
};

// A control that holds other controls.
class RadioButton;
class Container : public Control {
protected:
    Container(Container* parent, Native* w, Native* client = nullptr)
        : Control(parent, w), client_(client) {}
    Native* client_;

private:
    // Where the controls inside are put, and the radio buttons among them.
    friend class Control;
    friend class RadioButton;
    Native* ClientWidget() const { return client_ ? client_ : w_; }
    std::vector<RadioButton*> radios_;
};

class Label : public Control {
public:
    explicit Label(Container& parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& c);
    void SetAlignment(Align a);
    void SetTransparent(bool t);
    void SetWordWrap(bool on);  // long captions break at blanks
    void Click();  // as if the user clicked
    std::function<void()> OnClick;
};

class Edit : public Control {
public:
    explicit Edit(Container& parent, const std::string& text = "");
    std::string Text() const;
    void SetText(const std::string& t);
    void SetReadOnly(bool r);
    bool ReadOnly() const;
    bool Shows(const std::string& t) const;  // the whole text in the edit's width and font
    std::function<void()> OnKeyUp;      // a key released, the text already changed
    std::function<void()> OnDblClick;
};

class Button : public Control {
public:
    Button(Container& parent, const std::string& caption);
    std::string Caption() const;
    void SetDefault(bool d);  // the form's default button: Enter presses it
    void SetModalResult(int r) { modalResult_ = r; }  // set on the form when clicked
    void Click();                                     // as if the user clicked
    std::function<void()> OnClick;

private:
    int modalResult_ = 0;
};

class CheckBox : public Control {
public:
    CheckBox(Container& parent, const std::string& caption);
    bool Checked() const { return checked_; }
    void SetCheckedQuietly(bool c);  // the state only: OnClick does not run
    void Click();                    // as the user clicks: focus, toggle, OnClick
    // True while a click of the user's is handled.
    bool Focused() const { return focused_; }
    std::function<void()> OnClick;

private:
    void UserClicked(bool c);
    void Show(bool c);
    bool checked_ = false;
    bool focused_ = false;
};

// The radio buttons of one parent are a group: one Tab stop, the checked
// button (else the first), whose arrow keys click the next or the previous.
class RadioButton : public Control {
public:
    RadioButton(Container& parent, const std::string& caption);
    bool Checked() const { return checked_; }
    // Switching on unchecks the other radio buttons of the parent; OnClick
    // does not run. A group may have none checked.
    void SetCheckedQuietly(bool c);
    void Click();  // as the user clicks: switches on, then OnClick
    std::function<void()> OnClick;

private:
    void Show(bool c);
    bool checked_ = false;
};

class Panel : public Container {
public:
    explicit Panel(Container& parent, const std::string& caption = "");
};

class GroupBox : public Container {
public:
    GroupBox(Container& parent, const std::string& caption);
    void SetOpaque(bool on);  // hides what lies under it in the window's colour
    // The group's own button, which takes the entries typed into the group:
    // Enter with the focus in the group presses it; while the group is shown
    // with entries the user changed since it was last pressed, Enter does
    // not press the form's default button but moves the focus to it.
    void SetOwnButton(Button& b);
};

class ListBox : public Control {
public:
    explicit ListBox(Container& parent);
    void Add(const std::string& item);
    void Clear();
    int Count() const;
    std::string Item(int i) const;
    int ItemIndex() const;
    void SetItemIndex(int i);
    std::function<void()> OnClick;  // any change of selection
};

// Spinner bound to an edit whose text shows its position; no wrap. The
// arrows are the mouse's: the keyboard steps it with Up and Down in the edit,
// or, while the edit is hidden, in the spinner, which is then a Tab stop.
class UpDown : public Control {
public:
    UpDown(Container& parent, Edit& associate);
    int Max() const { return max_; }
    int Position() const { return pos_; }
    void SetMin(int v) { min_ = v; }
    void SetMax(int v) { max_ = v; }
    void SetPosition(int v);  // writes the edit, runs no handler
    void Step(int delta);     // as the arrows do: moves, writes the edit, runs OnClick
    std::function<void()> OnClick;

private:
    Edit& edit_;
    int min_ = 0, max_ = 100, pos_ = 0;
};

// Grid of text cells; fixed rows and columns are headings the user cannot edit.
// Tab moves through the cells that can be typed into and leaves the grid from
// the last of them; Ctrl+Tab leaves it at once, a cell being edited keeping
// what was typed. In a cell being edited Enter ends the editing, keeping the
// text, and Escape ends it giving the cell back the text it had; the form
// answers the next Enter or Escape.
class StringGrid : public Control {
public:
    explicit StringGrid(Container& parent);
    ~StringGrid() override;
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int n);
    void SetRowCount(int n);
    void SetFixedCols(int n);
    void SetFixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetDefaultColWidth(int w);
    int ColWidth(int col) const;
    void SetColWidth(int col, int w);
    void SetRowHeight(int row, int h);
    // What the scroll bar takes at the bottom when the columns are wider than
    // the grid: a grid holds its rows and this to show every row whole.
    int ScrollBarHeight() const;
    void SetEditing(bool on);  // cells may be typed into
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);  // runs no handler
    bool CellShows(int col, const std::string& text) const;   // whole, in the column's width
    int Col() const;  // the current cell
    int Row() const;
    void SetCurrent(int col, int row);
    // Rows may be dragged by their fixed first cell to another place: the
    // row is taken out and put in where it is dropped, the rows between
    // closing up.
    void SetRowMoving(bool on);
    std::function<void()> OnKeyUp;     // a key released while editing, the cell already updated
    std::function<void()> OnClick;     // the current cell changed
    std::function<void()> OnDblClick;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int cols_ = 5, rows_ = 5, fixedCols_ = 1, fixedRows_ = 1, defaultWidth_ = 64;
    void Restyle();
};

class PageControl;
// One tab of a page control; holds controls like a panel.
class TabSheet : public Container {
public:
    TabSheet(PageControl& pages, const std::string& caption);
};

// Tabs whose active page persists while the window is hidden.
class PageControl : public Control {
public:
    explicit PageControl(Container& parent);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
};

// Off-screen picture shown in its window; draw through GetCanvas().
class Image : public Control {
public:
    explicit Image(Container& parent);
    ~Image() override;
    Canvas& GetCanvas();
    void SetSize(int width, int height);  // keeps what fits of the picture

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// ---- Menus -------------------------------------------------------------------
class MainMenu;

class MenuItem {
public:
    MenuItem(MainMenu& menu, const std::string& caption);   // top-level menu
    // Item; "-" is a separator. An item given items becomes a submenu.
    MenuItem(MenuItem& parent, const std::string& caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    std::string Caption() const { return caption_; }
    bool Enabled() const;
    void SetEnabled(bool e);
    void Click();  // as if chosen from the menu
    std::function<void()> OnClick;

private:
    std::string caption_;
    void* action_ = nullptr;  // the toolkit's action
    void* menu_ = nullptr;    // the toolkit's menu, for items that hold items
};

class MainMenu {
public:
    explicit MainMenu(Form& form);
    Form& Owner() const { return form_; }

private:
    Form& form_;
};

// ---- Forms -------------------------------------------------------------------
enum class Border { Sizeable, Single, Dialog, ToolWindow };

// Frame metrics of a top-level window: outer size = client size + frame.
constexpr int FrameWidth = 4;          // each side
constexpr int CaptionHeight = 23;

class Form : public Container {
public:
    explicit Form(const std::string& caption);
    ~Form() override;

    std::string Caption() const;
    void SetCaption(const std::string& c);
    void SetBorder(Border b);
    void SetStayOnTop(bool on);
    void SetClientSize(int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    void CentreOnScreen();

    // Answers the keyboard as a dialog does: Escape presses `cancel`, or
    // closes the form where it has none; the button Enter presses shows as
    // the default.
    void SetDialogKeys(Button* cancel = nullptr);

    void Show();       // modeless; runs OnShow when it becomes visible
    void Hide();
    void Close();      // hides; the application's main form ends the program
    bool Showing() const { return showing_; }
    // Blocks the other windows while shown; returns the modal result once
    // the form is hidden.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r);  // not 0: closes a modal form

    std::function<void()> OnShow;
    // Asked before Close, by the user's or the program's: false keeps the
    // form open (and the program running).
    std::function<bool()> OnCloseQuery;

    // The user has changed an entry since the program last cleared the mark:
    // typed into an edit or a grid's cell, clicked a check box or a radio
    // button, stepped a spinner, picked from a list or moved a grid's row.
    // What the program sets does not count.
    bool Edited() const { return edited_; }
    void ClearEdited();  // and the entries of its groups count as taken

protected:
    void ApplyGeometry() override;

private:
    friend class Control;
    int FrameHeight() const;
    Border border_ = Border::Sizeable;
    bool showing_ = false;
    bool edited_ = false;
    int modalResult_ = 0;
    bool inModal_ = false;
};

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2;

// ---- Common dialogs ----------------------------------------------------------
// Filter as "Beam files (*.kvl)|*.kvl|All files (*.*)|*.*". A dialog opens
// in the current directory and lists a folder from the names and kinds of
// its entries alone, never reading a file.
class FileDialog {
public:
    enum class Kind { Open, Save };
    explicit FileDialog(Kind k) : kind_(k) {}
    Kind DialogKind() const { return kind_; }
    std::string Filter, FileName, DefaultExt, Title;
    bool Execute();  // false when cancelled
    // Makes the chosen file's folder the current directory, as the desktop
    // dialogs do; called once the file is written or read, so that a failure
    // leaves the current directory where it was.
    void EnterChosenFolder() const;

private:
    Kind kind_;
};

class OpenDialog : public FileDialog {
public:
    OpenDialog() : FileDialog(Kind::Open) {}
};

// A chosen name that does not end in "." + DefaultExt, in any case, gets it
// added, whatever other dots it holds (those it ends in are dropped); one that
// starts with a dot is refused. The dialog asks before replacing an existing
// file of the name so made.
class SaveDialog : public FileDialog {
public:
    SaveDialog() : FileDialog(Kind::Save) {}
};

// ---- Printer -----------------------------------------------------------------
// The default printer, or a PDF file when none is installed (then the
// document goes to OutputFile, "Korvela.pdf" in the current directory). A
// PDF is drawn in memory and written whole at EndDoc through the checked file
// layer; Abort drops the document and leaves an earlier file as it was.
// Coordinates are device pixels at the printer's resolution.
enum DeviceCap { LOGPIXELSX = 88, LOGPIXELSY = 90 };

class Printer {
public:
    static Printer& Get();
    std::string OutputFile() const;  // full path; empty for the printer
    void BeginDoc(const std::string& title);
    void NewPage();
    void EndDoc();
    void Abort();  // nothing when no document is open
    bool Printing() const;
    int PageNumber() const;
    Canvas& GetCanvas();
    int GetDeviceCaps(DeviceCap cap) const;

    ~Printer();

private:
    Printer();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace gui
