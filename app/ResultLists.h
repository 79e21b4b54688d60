// The main window's two result lists, filled from the text stores: the
// results report with the maxima, the envelope over all loadcases, or the
// full text of one loadcase.
#pragma once
#include <string>
#include <vector>

namespace gui {
class ListBox;
}

// The items each list shows.
std::vector<std::string> ResultsListLines();        // ReportText, then at most 50 lines of MaximaText
std::vector<std::string> EnvelopeListLines();       // none with a forkhead at support 1
// Loads, supports with the stress line last, span data; none for loadcase 0.
// Puts the stress line into the support store after its counted lines.
std::vector<std::string> CaseResultsListLines(int loadcase);

void FillResultsList(gui::ListBox& list);              // black
void FillEnvelopeList(gui::ListBox& list);             // navy; left as it was with a forkhead
void FillCaseResultsList(gui::ListBox& list, int shownCase);  // black
