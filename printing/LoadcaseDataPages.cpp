// Every loadcase's supports, span summary and stress line, then its span data
// at twentieths of each member.
#include <string>
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultTexts.h"
#include "TextPages.h"

namespace {

void PrintCase(PrintDevice& device, int lc) {
    const std::string number = std::to_string(lc);
    TextPageWriter w(device, "LOADCASE " + number, 14);
    const ReportStore& supports = CaseSupportText[lc];
    const int count = StoreCount(supports);
    for (int i = 1; i <= count; ++i) w.Line(supports[i].str());
    w.SetNext(w.Next() + 1);
    w.Line(CaseStressLine[lc].str());
    w.SetTitle("LoadCase " + number);
    w.SetRestart(12);
    if (w.Next() - 1 + 2 > 40) w.NewPage();  // a page with the title only
    w.NewPage();
    const SpanDataStore& data = CaseSpanDataText[lc];
    const int n = StoreCount(data);
    for (int k = 1; k <= n; ++k) {
        w.Line(data[k].str());
        if (RowNumber(data[k].str()) == 21 && w.Next() - 1 >= 50 && k + 5 < n) w.NewPage();
    }
}

}  // namespace

void PrintLoadcaseData(PrintDevice& device) {
    ComputeTextGrid(device);
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        PrintCase(device, lc);
        if (lc < NumLoadcases) device.NewPage();
    }
}
