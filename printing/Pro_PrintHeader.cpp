#include "Pro_PrintHeader.h"
#include <algorithm>
#include <string>
#include "Global.h"
#include "PrintDevice.h"

namespace {

// Texts on a grid of 1/25 inch: size in points, column and row in steps.
// A path keeps its end, the file's name, when it has to be shortened.
struct HeaderText {
    int size, col, row;
    std::string text;
    bool keepEnd = false;
};

constexpr int RightEdge = 200;  // column where the rules end
constexpr int Gap = 2;          // steps left free before the next text

bool Continuation(char c) { return (uint8_t(c) & 0xC0) == 0x80; }

// The text, or as much of it as fits `room` with "..." standing for the
// rest, cut between characters.
std::string Fitted(const gui::Canvas& c, const std::string& text, int room, bool keepEnd) {
    if (c.TextWidth(text) <= room) return text;
    const std::string dots = "...";
    std::string kept = text;
    while (!kept.empty()) {
        do {
            if (keepEnd)
                kept.erase(0, 1);
            else
                kept.pop_back();
        } while (!kept.empty() && Continuation(keepEnd ? kept.front() : kept.back()));
        const std::string shown = keepEnd ? dots + kept : kept + dots;
        if (c.TextWidth(shown) <= room) return shown;
    }
    return "";
}

}  // namespace

void PrintPageHeader(PrintDevice& device) {
    gui::Canvas& c = device.Canvas();
    const int h = device.DpiX() / 25;
    const int v = device.DpiY() / 25;
    auto rule = [&](int row) {
        c.MoveTo(15 * h, row * v);
        c.Pen.Width = 3;
        c.LineTo(RightEdge * h, row * v);
    };
    const HeaderText lines[] = {
        {15, 15, 7, Header_Company.str()},
        {12, 15, 15, Header_Project_1.str()},
        {11, 15, 20, Header_Project_2.str()},
        {11, 15, 25, Header_JobDesc.str()},
        {10, 15, 30, Header_Ref.str()},
        {9, 160, 15, "by  " + Header_User.str()},
        {9, 160, 20, gui::DateText() + "  " + gui::TimeText()},
        {9, 160, 30, "Page " + std::to_string(device.PageNumber())},
        {9, 50, 30, BeamFileName, true},
    };
    c.TextFont.Name = "Arial";
    c.TextFont.Height = 0;
    c.TextFont.Size = 9;
    c.TextOut(15 * h, 0, gui::ApplicationTitle());
    rule(5);
    for (const HeaderText& t : lines) {
        // Each text ends short of the next one drawn on its row, or of the rules' end.
        int end = RightEdge;
        for (const HeaderText& u : lines)
            if (u.row == t.row && u.col > t.col && !u.text.empty()) end = std::min(end, u.col - Gap);
        c.TextFont.Size = t.size;
        c.TextOut(t.col * h, t.row * v, Fitted(c, t.text, (end - t.col) * h, t.keepEnd));
    }
    rule(35);
}
