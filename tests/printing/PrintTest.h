// A stand-in printer for the page tests: logs every page at a chosen
// resolution, with a fixed clock for the header.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "Pdf.h"
#include "PrintDevice.h"
#include "app/CanvasLog.h"

namespace print_test {

struct Page {
    std::vector<gui::CanvasOp> ops;
    std::vector<DrawnText> Texts() const;
    std::vector<Segment> Lines() const;
    // Texts in drawing order without the header (the first 10 texts).
    std::vector<std::string> Body() const;
    bool Has(const std::string& text) const;
    std::optional<DrawnText> Find(const std::string& text) const;  // first such text
};

class LogDevice : public PrintDevice {
public:
    LogDevice(int dpiX = 600, int dpiY = 600);  // becomes the current device
    ~LogDevice() override;
    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    int PageNumber() const override { return page_; }
    gui::Canvas& Canvas() override { return canvas_; }
    int DpiX() const override { return dpiX_; }
    int DpiY() const override { return dpiY_; }

    // Pages drawn so far; the open page last.
    std::vector<Page> Pages() const;
    int Documents() const { return docs_; }
    bool Open() const { return open_; }

private:
    gui::RecordingCanvas canvas_;
    std::vector<size_t> starts_{0};
    int dpiX_, dpiY_, page_ = 1, docs_ = 0;
    bool open_ = false;
};

// The pages that print draws on a fresh LogDevice.
std::vector<Page> Printed(void (*print)(PrintDevice&), int dpiX = 600, int dpiY = 600);

// A body text of a text page as (grid line, text) at 600 dots per inch
// down the page.
using GridLine = std::pair<int, std::string>;
using GridTexts = std::vector<GridLine>;
// Body texts of a text page, title included.
GridTexts OnGrid(const Page& p);
// The last of them; none on a page without a body.
std::optional<GridLine> LastOnGrid(const Page& p);

// Lines 1.. of a text store with the count in line 0.
template <class Store>
void Fill(Store& store, const std::vector<std::string>& lines) {
    store.Fill({});
    for (size_t i = 0; i < lines.size(); ++i) store[static_cast<long long>(i + 1)] = lines[i];
    store[0] = std::to_string(lines.size());
}

// "stem1", "stem2", ... "stemN".
std::vector<std::string> Numbered(const std::string& stem, int n);

// y of grid line k of the text pages at a vertical resolution.
int GridY(int k, int dpiY = 600);

}  // namespace print_test
