// The grid of the printed text pages (80 lines at a pitch of 3.7 mm, every
// line at x = 100) and the one writer that puts text lines on it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "Bounded.h"

class PrintDevice;

constexpr int GridLines = 80;
constexpr int TextLeft = 100;

extern float PrintPxPerMmY;                      // device units per mm down the page
extern BArray<int32_t, 1, GridLines> PrintLineY; // y of each grid line

// Computes the grid from the device's vertical resolution.
void ComputeTextGrid(const PrintDevice& device);

// The row number of a line: its first three characters read as a decimal
// number, 0 when they do not read as one.
int RowNumber(std::string_view line);

// Writes text lines one grid line after the other. A page it begins carries
// the header and the title; a line that would fall below the last grid line
// begins a continuation page first.
class TextPageWriter {
public:
    // Starts on the page that is open: header, title, grid from the device.
    TextPageWriter(PrintDevice& device, std::string title, int firstLine);
    void SetTitle(std::string title) { title_ = std::move(title); }
    void SetRestart(int line) { restart_ = line; }  // first line of later pages
    // A new page with header and title; the next line at the restart line.
    void NewPage();
    // Draws at the current line and moves one line down.
    void Line(std::string_view text);
    int Next() const { return next_; }
    void SetNext(int line) { next_ = line; }

private:
    void StartPage();
    PrintDevice& device_;
    std::string title_;
    int restart_;
    int next_;
};
