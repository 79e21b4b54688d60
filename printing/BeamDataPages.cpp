// Beam & Loading Data + Results Summary: the results report, the maxima and
// the tables of distributed and point loads.
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultTexts.h"
#include "TextPages.h"

namespace {

// A loading-data table: lines 2 to 4 (title, headings, units) repeat on each
// continuation page, begun once a line has been drawn on grid line 70 or below.
template <class Store>
void PrintLoadTable(TextPageWriter& w, const Store& store) {
    const int n = StoreCount(store);
    for (int i = 1; i <= n; ++i) {
        w.Line(store[i].str());
        if (w.Next() > 70) {
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
    PrintLoadTable(w, LoadingDataUDLText);
    PrintLoadTable(w, LoadingDataPointText);
}
