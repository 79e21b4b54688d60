#include "PrintTest.h"
#include "Func_FloatToInt.h"

namespace print_test {

std::vector<DrawnText> Page::Texts() const {
    std::vector<DrawnText> out;
    for (const gui::CanvasOp& op : ops)
        if (op.Op == "TextOut") out.push_back({op.X, op.Y, op.Text, op.TextFont.Colour, op.TextFont.Size});
    return out;
}

std::vector<Segment> Page::Lines() const {
    std::vector<Segment> out;
    for (const gui::CanvasOp& op : ops)
        if (op.Op == "LineTo") out.push_back({op.X, op.Y, op.X2, op.Y2, op.PenColour, op.PenWidth});
    return out;
}

std::vector<std::string> Page::Body() const {
    std::vector<std::string> out;
    const std::vector<DrawnText> t = Texts();
    for (size_t i = 10; i < t.size(); ++i) out.push_back(t[i].Text);
    return out;
}

bool Page::Has(const std::string& text) const { return Find(text).has_value(); }

std::optional<DrawnText> Page::Find(const std::string& text) const {
    for (const DrawnText& t : Texts())
        if (t.Text == text) return t;
    return std::nullopt;
}

LogDevice::LogDevice(int dpiX, int dpiY) : canvas_(dpiY), dpiX_(dpiX), dpiY_(dpiY) {
    SetPrintDevice(this);
    gui::SetClock([] { return std::pair<std::string, std::string>{"07/12/2026", "14:05:09"}; });
}

LogDevice::~LogDevice() { SetPrintDevice(nullptr); }

void LogDevice::BeginDoc() {
    gui::StartLog(canvas_);
    canvas_.NewPage();
    starts_ = {0};
    page_ = 1;
    open_ = true;
    ++docs_;
}

void LogDevice::NewPage() {
    starts_.push_back(gui::Log(canvas_).size());
    canvas_.NewPage();
    ++page_;
}

void LogDevice::EndDoc() { open_ = false; }

std::vector<Page> LogDevice::Pages() const {
    std::vector<Page> pages;
    const std::vector<gui::CanvasOp>& log = gui::Log(canvas_);
    for (size_t i = 0; i < starts_.size(); ++i) {
        const size_t end = i + 1 < starts_.size() ? starts_[i + 1] : log.size();
        pages.push_back({std::vector<gui::CanvasOp>(log.begin() + starts_[i], log.begin() + end)});
    }
    return pages;
}

std::vector<Page> Printed(void (*print)(PrintDevice&), int dpiX, int dpiY) {
    LogDevice d(dpiX, dpiY);
    d.BeginDoc();
    print(d);
    return d.Pages();
}

GridTexts OnGrid(const Page& p) {
    GridTexts out;
    const std::vector<DrawnText> t = p.Texts();
    for (size_t i = 10; i < t.size(); ++i) {
        int k = 1;
        while (k <= 80 && GridY(k) != t[i].Y) ++k;
        if (t[i].X != 100) k = -t[i].X;  // off the text column: shows as a negative line
        out.emplace_back(k, t[i].Text);
    }
    return out;
}

std::optional<GridLine> LastOnGrid(const Page& p) {
    const GridTexts lines = OnGrid(p);
    if (lines.empty()) return std::nullopt;
    return lines.back();
}

std::vector<std::string> Numbered(const std::string& stem, int n) {
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i) out.push_back(stem + std::to_string(i));
    return out;
}

int GridY(int k, int dpiY) { return FloatToInt(3.7 * static_cast<float>(dpiY / 25.4) * k); }

}  // namespace print_test
