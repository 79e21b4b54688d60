#include "ResultLists.h"
#include <algorithm>
#include "ResultTexts.h"
#include "gui.h"

namespace {

template <class Store>
void AddLines(std::vector<std::string>& items, const Store& store, int count) {
    for (int i = 1; i <= count; ++i) items.push_back(store[i].str());
}

template <class Store>
void AddLines(std::vector<std::string>& items, const Store& store) {
    AddLines(items, store, StoreCount(store));
}

void Show(gui::ListBox& list, const std::vector<std::string>& items) {
    for (const std::string& item : items) list.Add(item);
}

void SetTextColour(gui::ListBox& list, gui::Color colour) {
    gui::Font font = list.GetFont();
    font.Colour = colour;
    list.SetFont(font);
}

bool EnvelopeFormed() { return SupportTypes[1] != SupportForkhead; }

}  // namespace

std::vector<std::string> ResultsListLines() {
    std::vector<std::string> items;
    AddLines(items, ReportText);
    AddLines(items, MaximaText, std::min(StoreCount(MaximaText), 50));
    return items;
}

std::vector<std::string> EnvelopeListLines() {
    std::vector<std::string> items;
    if (EnvelopeFormed()) AddLines(items, EnvelopeText);
    return items;
}

std::vector<std::string> CaseResultsListLines(int loadcase) {
    std::vector<std::string> items;
    if (loadcase == 0) return items;
    AddLines(items, CaseLoadsText[loadcase]);
    ReportStore& support = CaseSupportText[loadcase];
    const int c = StoreCount(support) + 1;
    support[c] = CaseStressLine[loadcase].str();
    AddLines(items, support, c);
    // The span-data stores exist for the loadcases of the last analysis only.
    if (loadcase < CaseSpanDataText.Length()) AddLines(items, CaseSpanDataText[loadcase]);
    return items;
}

void FillResultsList(gui::ListBox& list) {
    SetTextColour(list, gui::clBlack);
    list.Clear();
    Show(list, ResultsListLines());
}

void FillEnvelopeList(gui::ListBox& list) {
    list.Clear();
    if (!EnvelopeFormed()) return;
    SetTextColour(list, gui::clNavy);
    Show(list, EnvelopeListLines());
}

void FillCaseResultsList(gui::ListBox& list, int shownCase) {
    list.Clear();
    SetTextColour(list, gui::clBlack);
    Show(list, CaseResultsListLines(shownCase));
}
