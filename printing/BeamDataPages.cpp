// Beam & Loading Data + Results Summary: the results report, the maxima and
// the tables of distributed and point loads.
#include <string_view>
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultTexts.h"
#include "TextPages.h"

namespace {

// A line that goes on with the loadcases of the row above: blank up to the
// list column.
bool ContinuesRow(std::string_view line, int listColumn) {
    const size_t text = line.find_first_not_of(' ');
    return text != std::string_view::npos && text >= size_t(listColumn);
}

// A loading-data table: lines 2 to 4 (title, headings, units) repeat on each
// continuation page, begun once a line has been drawn on grid line 70 or below
// and before a line that does not go on with its row.
template <class Store>
void PrintLoadTable(TextPageWriter& w, const Store& store, int listColumn) {
    const int n = StoreCount(store);
    for (int i = 1; i <= n; ++i) {
        w.Line(store[i].str());
        if (w.Next() > 70 && !(i < n && ContinuesRow(store[i + 1].str(), listColumn))) {
            w.NewPage();
            for (int k = 2; k <= 4; ++k) w.Line(store[k].str());
        }
    }
}

}  // namespace

void PrintBeamDataPages(PrintDevice& device) {
    TextPageWriter w(device, "Beam & Loading Data + Results Summary", 12);
    const int n = StoreCount(ReportText);
    for (int i = 2; i <= n; ++i) w.Line(ReportText[i].str());
    const int maxima = StoreCount(MaximaText);
    for (int i = 1; i <= maxima; ++i) w.Line(MaximaText[i].str());
    w.SetTitle("Beam & Loading Data");
    PrintLoadTable(w, LoadingDataUDLText, UDLListColumn);
    PrintLoadTable(w, LoadingDataPointText, PointListColumn);
}
