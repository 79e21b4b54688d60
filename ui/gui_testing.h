// What tests ask of the windowing platform besides what the program uses:
// hooks that stand in for message boxes, questions, modal loops, file
// dialogs, the printer and the clock; the user's clicks, typing and drags;
// pixels; and a record of what is drawn. Only tests include this header.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include "gui.h"

namespace gui {

// ---- Hooks -------------------------------------------------------------------
void SetMessageHook(std::function<void(const std::string&)> hook);  // replaces the message box
void SetQuestionHook(std::function<bool(const std::string&)> hook);  // answers instead of the box
void SetSaveQuestionHook(std::function<SaveChoice(const std::string&)> hook);  // answers AskSaveChanges
// Shows the messages still waiting, now.
void ShowQueuedMessages();
// Replaces the modal loop; the hook acts on the form (sets a modal result,
// clicks a button...) while it is shown.
void SetModalHook(std::function<void(Form&)> hook);
// Replaces the file dialogs; returns the chosen path or "" to cancel.
void SetFileDialogHook(std::function<std::string(const FileDialog&)> hook);
// Sends the printer's documents to this PDF file.
void SetPrinterOutputFile(const std::string& path);
// Fixes the date and time of day.
void SetClock(std::function<std::pair<std::string, std::string>()> clock);
void SetScreenSize(int width, int height);
void SetHourglass(bool on);  // the hourglass cursor, by hand
bool Hourglass();            // it is on

// ---- The user's actions and what they see ------------------------------------
// As the user clicks at a point of the form's client area: the control on top
// there gets the mouse press and release.
void ClickAt(Form& form, int x, int y);
// As the user presses a key, the form's window active: the key goes to the
// control with the focus.
// F2: edit the grid's cell.
enum class Key { Enter, KeypadEnter, Escape, Tab, BackTab, CtrlTab, CtrlBackTab, Up, Down, Right, F2, Space };
void PressKey(Form& form, Key key);
// As the user types into the current cell, or into its editor while the cell
// is being edited: the text lands in the cell, then OnKeyUp runs.
void TypeText(StringGrid& grid, const std::string& text);
// As the user types over the edit's text; then OnKeyUp runs.
void TypeText(Edit& edit, const std::string& text);
// As the user drags row `from` to `to`: the rows between close up.
void MoveRow(StringGrid& grid, int from, int to);
bool HasFocus(const Control& control);  // the focus of its window, whether or not the window is active
// Some of the control shows in the part of its window on the screen, under no
// other control.
bool InView(const Control& control);
uint32_t PixelAt(const Image& image, int x, int y);  // 0xRRGGBB

// ---- Recording what is drawn -------------------------------------------------
struct CanvasOp {
    std::string Op;  // "MoveTo", "LineTo", "TextOut", "FillRect"
    int X = 0, Y = 0, X2 = 0, Y2 = 0;
    std::string Text;
    Color PenColour = 0;
    int PenWidth = 1;
    Color BrushColour = 0;
    Font TextFont;
};

// Every primitive drawn on the canvas from StartLog to StopLog, with the pen,
// brush and font it was drawn with.
void StartLog(Canvas& canvas);  // clears the record
void StopLog(Canvas& canvas);
const std::vector<CanvasOp>& Log(const Canvas& canvas);

// How many strokes, texts and blocks the canvas keeps to place labels by.
size_t DrawnCount(const Canvas& canvas);

// A canvas that draws nowhere and records everything; it measures texts as
// a device of `dpi` dots per inch would (0: the screen).
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int dpi = 0);

protected:
    void DoLine(int, int, int, int) override {}
    void DoText(int, int, const std::string&) override {}
    void DoFill(const Rect&) override {}
    const NativeDevice* TextDevice() const override { return device_.get(); }

private:
    std::shared_ptr<NativeDevice> device_;
};

}  // namespace gui
