#include "LoadingDataText.h"
#include <algorithm>
#include <string>
#include <vector>
#include "LoadTables.h"
#include "ResultTexts.h"

namespace {

// The load fields are the same in every loadcase; the tables read loadcase 1.
constexpr int FieldsCase = 1;

const LoadColumn UDLColumns[] = {{LDist, &Factor_L, 10, PointRule::B},
                                 {LStart, &Factor_R, 23, PointRule::A, DigitSlots::UDLs},
                                 {LFinish, &Factor_R, 36, PointRule::A},
                                 {LCover, &Factor_L, 49, PointRule::A},
                                 {LFactor, nullptr, 59, PointRule::A}};
const LoadColumn PointColumns[] = {{LStart, &Factor_PL, 10, PointRule::B},
                                   {LDist, &Factor_L, 23, PointRule::B},
                                   {LFactor, nullptr, 36, PointRule::B}};

// Widths and last line of the two stores. Below its rows the UDL store
// lists one more line, the point store two.
constexpr int UDLWidth = 85, PointWidth = 75, StoreLast = 100;

// The loadcases that apply the slot as a load of the kind, each number a
// word; where they do not stand on one line, runs of three or more as one
// word "first-last".
std::vector<std::string> AppliedIn(int slot, int kind, int room) {
    std::vector<int> cases;
    for (int n = 1; n <= NumLoadcases; ++n)
        if (AppliedAs(n, slot, kind)) cases.push_back(n);
    std::vector<std::string> numbers, runs;
    size_t length = 0;
    for (size_t i = 0; i < cases.size();) {
        size_t j = i;
        while (j + 1 < cases.size() && cases[j + 1] == cases[j] + 1) ++j;
        if (j - i >= 2) runs.push_back(std::to_string(cases[i]) + "-" + std::to_string(cases[j]));
        for (size_t k = i; k <= j; ++k) {
            numbers.push_back(std::to_string(cases[k]));
            if (j - i < 2) runs.push_back(numbers.back());
            length += numbers.back().size() + 1;
        }
        i = j + 1;
    }
    return length <= size_t(room) + 1 ? numbers : runs;
}

// The words, each followed by a blank, on lines of room characters (the
// last blank may fall beyond); no word is split.
std::vector<std::string> ListLines(const std::vector<std::string>& words, int room) {
    if (words.empty()) return {"Not applied"};
    std::vector<std::string> lines{""};
    for (const std::string& word : words) {
        if (!lines.back().empty() && lines.back().size() + word.size() > size_t(room)) lines.emplace_back();
        lines.back() += word + " ";
    }
    return lines;
}

// A list kept to its first `most` lines ends with "..." after its last
// whole number: only where a store has no lines left for it.
void KeepLines(std::vector<std::string>& lines, size_t most, int room) {
    if (lines.size() <= most) return;
    lines.resize(most);
    std::string& last = lines.back();
    while (last.size() + 3 > size_t(room)) last.erase(last.find_last_of(' ', last.size() - 2) + 1);
    last += "...";
}

// One row per slot of the kind, the loadcases that apply it from listAt on,
// continued on further lines up to lastLine.
template <class Writer>
void WriteRows(Writer& w, int kind, std::span<const LoadColumn> columns, int listAt, int width, int lastLine) {
    const std::vector<int> decimals = LoadColumnDecimals(FieldsCase, columns);
    std::vector<int> slots;
    for (int k = 1; k <= LoadSlots; ++k)
        if (SlotKind(FieldsCase, k) == kind) slots.push_back(k);
    const int room = width - listAt;
    size_t spare = size_t(std::max(0, lastLine - w.Next() + 1 - int(slots.size())));
    for (int k : slots) {
        std::vector<std::string> list = ListLines(AppliedIn(k, kind, room), room);
        KeepLines(list, spare + 1, room);
        spare -= list.size() - 1;
        w.Write(LoadRow(FieldsCase, k, columns, decimals).PadTo(listAt).Add(list[0]));
        for (size_t i = 1; i < list.size(); ++i) w.Write(TextLine().PadTo(listAt).Add(list[i]));
    }
}

void BuildUDLText() {
    StoreWriter w(LoadingDataUDLText, 2);
    w.Write(" UNIFORMLY DISTRIBUTED LOADS");
    w.Write(" No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to");
    w.Write(TextLine()
                .Centre(10, Bracketed(Unit_L.str()))
                .Centre(23, Bracketed(Unit_R.str()))
                .Centre(36, Bracketed(Unit_R.str()))
                .Centre(49, Bracketed(Unit_L.str()))
                .PadTo(56)
                .Add("Factor")
                .PadTo(UDLListColumn)
                .Add("loadcases:-"));
    WriteRows(w, -1, UDLColumns, UDLListColumn, UDLWidth, StoreLast - 2);
    w.SetCount(w.Next() + 1);
}

void BuildPointText() {
    StoreWriter w(LoadingDataPointText);
    w.Write("");
    w.Write(" Point Loads");
    w.Write(" No      Load       Distance      Load        Applied to");
    w.Write(TextLine("    ")
                .Centre(10, Bracketed(Unit_PL.str()))
                .Centre(23, Bracketed(Unit_L.str()))
                .PadTo(33)
                .Add("Factor")
                .PadTo(46)
                .Add("loadcases:-"));
    WriteRows(w, 1, PointColumns, PointListColumn, PointWidth, StoreLast - 3);
    const int nf = w.Next();
    LoadingDataPointText[nf + 1] = "";
    w.SetCount(nf + 2);
}

}  // namespace

void BuildLoadingDataText() {
    BuildUDLText();
    BuildPointText();
}
