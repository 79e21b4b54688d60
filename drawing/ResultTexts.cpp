#include "ResultTexts.h"
#include <algorithm>
#include "AnalysisState.h"
#include "FieldUndo.h"

ReportStore ReportText;
TextStore<50, 75> MaximaText;
TextStore<100, 85> LoadingDataUDLText;
ReportStore LoadingDataPointText;
BArray<ReportStore, 1, MaxLoadcases> CaseLoadsText;
BArray<ReportStore, 1, MaxLoadcases> CaseSupportText;
BDynArray<SpanDataStore> CaseSpanDataText;
TextStore<750, 75> EnvelopeText;
BArray<ShortString<75>, 1, MaxLoadcases> CaseStressLine;
ShortString<50> MaxStressLine;
BArray2<std::string, 1, MaxLoadcases, 0, RHC> SpanLabelText;
float MaxStress = 0;
float FactoredLoadCount = 0;
BArray<float, 1, 26> ReactionMaxPos, ReactionMaxNeg;

namespace {

template <class Store>
void EmptyLines(Store& store, int first, int last) {
    for (int i = first; i <= last; ++i) store[i] = "";
}

}  // namespace

void SetReactionExtremes() {
    ReactionMaxPos.Fill(0);
    ReactionMaxNeg.Fill(0);
    for (int n = 1; n <= NumLoadcases; ++n)
        for (int j = 1; j <= NumSpans + 1; ++j) {
            if (!CaseHasResults(n) || NodeSkipFlag[n][j] == -1) continue;
            const float r = static_cast<float>(CaseReaction[n][j]);
            if (r > ReactionMaxPos[j]) ReactionMaxPos[j] = r;
            if (r < ReactionMaxNeg[j]) ReactionMaxNeg[j] = r;
        }
}

void InitResultTexts() {
    CaseSpanDataText.SetLength(NumLoadcases + 1);
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        for (ReportStore* store : {&CaseLoadsText[lc], &CaseSupportText[lc]}) {
            EmptyLines(*store, 1, 100);
            (*store)[0] = "0";
        }
        CaseStressLine[lc] = " ";
    }
    ReactionMaxPos.Fill(0);
    ReactionMaxNeg.Fill(0);
    EmptyLines(ReportText, 1, 100);
    EmptyLines(LoadingDataUDLText, 1, 100);
    EmptyLines(LoadingDataPointText, 1, 100);
    EmptyLines(MaximaText, 0, 50);
    // A beam without stress (no y, no moment) must not show the last beam's.
    MaxStress = 0;
    MaxStressLine = "";
}

void ClearResultLines(FieldUndo* undo) {
    KeepIn(undo, CaseLoadsText, CaseSupportText, EnvelopeText, ReportText, LoadingDataUDLText, LoadingDataPointText,
         MaximaText, CaseStressLine);
    // Only the span-data stores that exist: before the first analysis, or
    // after a file has changed the number of loadcases, there may be fewer.
    const int spanDataCases = std::min<long long>(NumLoadcases, CaseSpanDataText.Length() - 1);
    for (int lc = 1; lc <= spanDataCases; ++lc) {
        KeepIn(undo, CaseSpanDataText[lc]);
        EmptyLines(CaseSpanDataText[lc], 0, 1000);
    }
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        EmptyLines(CaseLoadsText[lc], 0, 100);
        EmptyLines(CaseSupportText[lc], 0, 100);
    }
    EmptyLines(EnvelopeText, 1, 750);
    EmptyLines(ReportText, 0, 100);
    EmptyLines(LoadingDataUDLText, 0, 100);
    EmptyLines(LoadingDataPointText, 0, 100);
    EmptyLines(MaximaText, 0, 50);
    for (int lc = 1; lc <= 5; ++lc) CaseStressLine[lc] = "";
}
