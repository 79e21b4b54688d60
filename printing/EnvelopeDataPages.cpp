// The results envelope as text, at twentieths of each member as stored or at
// tenths by keeping every other sample row, renumbered.
#include <string>
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultTexts.h"
#include "TextPages.h"

int32_t PrintInterval = 0;

namespace {

// Sample row r (odd) of twentieths as row (r + 1) / 2 of tenths.
std::string AtTenths(const std::string& line, int r) {
    std::string out(r < 19 ? 2 : 1, ' ');
    out += std::to_string((r + 1) / 2);
    if (line.size() > 3) out.append(line, 3);
    return out;
}

}  // namespace

void PrintEnvelopeData(PrintDevice& device) {
    const bool tenths = PrintInterval == 10;
    TextPageWriter w(device,
                     tenths ? "Results Envelope at 1/10th Span Intervals" : "Results Envelope at 1/20th Span Intervals",
                     15);
    const int n = StoreCount(EnvelopeText);
    // Line 1 is the store's own title and line 2 is empty: neither is printed.
    for (int k = 3; k <= n; ++k) {
        std::string line = EnvelopeText[k].str();
        const int r = RowNumber(line);
        if (tenths) {
            if ((r == 0 ? 1 : r) % 2 == 0) continue;
            if (r != 0) line = AtTenths(line, r);
        }
        w.Line(line);
        if (r == 21 && w.Next() - 1 >= 55 && k + 5 < n) w.NewPage();
    }
}
