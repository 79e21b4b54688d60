#include "Pro_PrintHeader.h"
#include <string>
#include "Global.h"
#include "PrintDevice.h"

namespace {

// Texts on a grid of 1/25 inch: size in points, column and row in steps.
struct HeaderText {
    int size, col, row;
    std::string text;
};

}  // namespace

void PrintPageHeader() { PrintPageHeader(CurrentPrintDevice()); }

void PrintPageHeader(PrintDevice& device) {
    gui::Canvas& c = device.Canvas();
    const int h = device.DpiX() / 25;
    const int v = device.DpiY() / 25;
    auto rule = [&](int row) {
        c.MoveTo(15 * h, row * v);
        c.Pen.Width = 3;
        c.LineTo(200 * h, row * v);
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
        {9, 50, 30, ShortString<100>(BeamFileName).str()},
    };
    c.TextFont.Name = "Arial";
    c.TextFont.Height = 0;
    c.TextFont.Size = 9;
    c.TextOut(15 * h, 0, gui::ApplicationTitle());
    rule(5);
    for (const HeaderText& t : lines) {
        c.TextFont.Size = t.size;
        c.TextOut(t.col * h, t.row * v, t.text);
    }
    rule(35);
}
