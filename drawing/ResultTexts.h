// The result texts built after an analysis (or rebuilt when a beam file is
// opened): listed on the main window, printed, and partly kept in the beam
// data file. Also the values the report builders hand to one another.
#pragma once
#include <string>
#include "Bounded.h"
#include "Global.h"
#include "TextStore.h"

class FieldUndo;

using ReportStore = TextStore<100, 75>;
using SpanDataStore = TextStore<1000, 75>;

extern ReportStore ReportText;                       // beam summary
extern TextStore<50, 75> MaximaText;                 // maxima over all loadcases
extern TextStore<100, 85> LoadingDataUDLText;        // printed only
extern ReportStore LoadingDataPointText;             // printed only
// Where the loadcase lists of the two loading-data tables begin: a line of
// a table blank up to its list goes on with the row above.
constexpr int UDLListColumn = 65, PointListColumn = 49;
extern BArray<ReportStore, 1, MaxLoadcases> CaseLoadsText;
extern BArray<ReportStore, 1, MaxLoadcases> CaseSupportText;
extern BDynArray<SpanDataStore> CaseSpanDataText;    // loadcases 0..NumLoadcases
extern TextStore<750, 75> EnvelopeText;
extern BArray<ShortString<75>, 1, MaxLoadcases> CaseStressLine;
extern ShortString<50> MaxStressLine;

// Member names of each loadcase's span summary: "LHC", span numbers, "RHC".
extern BArray2<std::string, 1, MaxLoadcases, 0, RHC> SpanLabelText;

extern float MaxStress;           // N/mm^2, largest over the loadcases reported
extern float FactoredLoadCount;   // applied loads whose factor is not 1.0
// Largest and smallest reaction of each support over the loadcases (0 where
// none is larger or smaller), set by SetReactionExtremes.
extern BArray<float, 1, 26> ReactionMaxPos, ReactionMaxNeg;
// Sets the reaction extremes from the loadcases' reactions, once their
// maxima are formed.
void SetReactionExtremes();

// The text part of preparing the results for NumLoadcases loadcases: sizes
// CaseSpanDataText, empties the loadcase stores with count "0", sets the
// stress lines to " ", clears the reaction extremes and MaxStress.
void InitResultTexts();
// Empties the stores before they are rebuilt (the loadcase stores of
// loadcases 1..NumLoadcases, the stress lines of loadcases 1 to 5); with an
// undo log every store is kept first.
void ClearResultLines(FieldUndo* undo = nullptr);
