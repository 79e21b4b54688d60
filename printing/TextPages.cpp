#include "TextPages.h"
#include "Picture.h"
#include "PrintDevice.h"
#include "Pro_PrintHeader.h"

float PrintPxPerMmY = 0;
BArray<int32_t, 1, GridLines> PrintLineY;

void ComputeTextGrid(const PrintDevice& device) {
    PrintPxPerMmY = static_cast<float>(device.DpiY() / 25.4L);
    for (int k = 1; k <= GridLines; ++k) PrintLineY[k] = Pixel(3.7 * PrintPxPerMmY * k);
}

int RowNumber(std::string_view line) {
    const std::string_view head = line.substr(0, 3);
    size_t i = 0;
    while (i < head.size() && head[i] == ' ') ++i;
    if (i == head.size()) return 0;
    int n = 0;
    for (; i < head.size(); ++i) {
        if (head[i] < '0' || head[i] > '9') return 0;
        n = n * 10 + (head[i] - '0');
    }
    return n;
}

TextPageWriter::TextPageWriter(PrintDevice& device, std::string title, int firstLine)
    : device_(device), title_(std::move(title)), restart_(firstLine), next_(firstLine) {
    PrintPageHeader(device_);
    ComputeTextGrid(device_);
    StartPage();
}

void TextPageWriter::StartPage() {
    gui::Font& f = device_.Canvas().TextFont;
    f.Size = 12;
    f.Name = "Arial";
    device_.Canvas().TextOut(TextLeft, PrintLineY[10], title_);
    f.Size = 10;
    f.Name = "Courier";
}

void TextPageWriter::NewPage() {
    device_.NewPage();
    PrintPageHeader(device_);
    StartPage();
    next_ = restart_;
}

void TextPageWriter::Line(std::string_view text) {
    if (next_ > GridLines) NewPage();
    device_.Canvas().TextOut(TextLeft, PrintLineY[next_], std::string(text));
    ++next_;
}
