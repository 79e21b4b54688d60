#include "Analysis.h"
#include "AnalysisState.h"
#include "Cantilever.h"
#include "CaseResults.h"
#include "Checked.h"
#include "Deflection.h"
#include "Envelope.h"
#include "Equilibrium.h"
#include "Global.h"
#include "LoadPieces.h"
#include "Maxima.h"
#include "SlopeDeflection.h"
#include "SpanForces.h"

namespace {

constexpr int CoarseIntervals = 20;

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

bool EnvelopeWanted() { return SupportTypes[1] != SupportForkhead; }

// From the cantilever moments to the span shear, moment and peaks.
void SolveSpans(bool formStiffness) {
    LHCRootMoment = CantMoment[1][1];
    RHCRootMoment = -CantMoment[2][1];
    if (formStiffness)
        for (int s = 1; s <= NumSpans; ++s)
            SpanStiffness[s] = ToDouble(Div(SpanIxx[s], MemberLength(s)) * Real(SpanE[s]));
    BuildStiffnessMatrix();
    FixedEndMoments();
    BuildLoadVector();
    SolveRotations();
    SpanShearMoment();
    SpanMomentPeaks();
}

void UnitLoadDeflections() {
    SpanIntervals = CoarseIntervals;
    UnitMomentTable.Fill({});
    for (UnitLoadSpan = 1; UnitLoadSpan <= NumSpans; ++UnitLoadSpan)
        for (UnitLoadPoint = 1; UnitLoadPoint <= 20; ++UnitLoadPoint) UnitMomentDiagram();
    IntegrateDeflection();
}

void ClearCantileverRows(int stations) {
    for (int c = 1; c <= 2; ++c)
        for (int i = 1; i <= stations; ++i) CantShear[c][i] = CantMoment[c][i] = 0;
}

}  // namespace

void TakeMemberProperties() {
    // A member the beam does not have keeps no values, whatever its row holds.
    for (int m = 0; m <= RHC; ++m) {
        const bool has = (m >= 1 && m <= NumSpans) || ((m == LHC || m == RHC) && MemberPresent(m));
        SpanE[m] = has ? ToSingle(BeamGeometryTable[m][GE]) : 0;
        SpanIxx[m] = has ? BeamGeometryTable[m][GIxx] : 0;
    }
}

void InitResults() {
    LHCPieceCount = RHCPieceCount = 0;
    ShearSeries.SetLength(NumLoadcases + 1);
    MomentSeries.SetLength(NumLoadcases + 1);
    DeflectionSeries.SetLength(NumLoadcases + 1);
    NoLoadsMark.Fill(0);
    auto clear = [](auto&... tables) { (tables.Fill({}), ...); };
    clear(SpanMomentMax, SpanMomentMin, SpanMomentMaxX, SpanMomentMinX, CantMomentMax, CantMomentMin, ShearSummary,
          MomentSummary, DeflectionSummary);
    ClearEnvelope();
    CaseReaction.Fill({});
    DirectSupportLoad.Fill({});
    NodeSkipFlag.Fill({});
    SpanMaxDeflection.Fill({});
    // Loadcases that are not solved again must not keep earlier results.
    CaseShear.Fill({});
    CaseMoment.Fill({});
    CaseDeflection.Fill({});
    CaseCantShear.Fill({});
    CaseCantMoment.Fill({});
    CaseCantDeflection.Fill({});
}

void ClearCaseWork() {
    ClearSpanMomentPeaks();
    for (int s = 0; s <= MaxSpans; ++s)
        for (int j = 0; j <= 200; ++j) SpanShear[s][j] = SpanMoment[s][j] = 0;
    SpanStiffness.Fill(0);
    EndMomentL.Fill(0);
    EndMomentR.Fill(0);
    StiffDiag.Fill(0);
    StiffOffDiag.Fill(0);
    LoadVector.Fill(0);
    FixedEndMomentL.Fill(0);
    FixedEndMomentR.Fill(0);
    JointRotation.Fill(0);
    for (int s = 1; s <= MaxSpans; ++s) SpanPieceList[s].Fill(CollectedPiece{});
    CantDeflection.Fill({});
    for (int c = 1; c <= 2; ++c)
        for (int k = 1; k <= 22; ++k) CantBendingDeflection[c][k] = 0;
    ClearCantileverRows(2005);
}

void ChooseSpanIntervals() {
    float r = 0;
    for (int s = 1; s <= NumSpans; ++s) {
        const float ratio = ToSingle(Div(MemberLength(s), BeamLength));
        if (ratio > r) r = ratio;
    }
    SpanIntervals = 200;
    TwentiethStep = 10;
    if (r < 0.4L) SpanIntervals = 100, TwentiethStep = 5;
    if (r < 0.2L) SpanIntervals = 60, TwentiethStep = 3;
    if (r < 0.1L) SpanIntervals = 40, TwentiethStep = 2;
    SavedSpanIntervals = SpanIntervals;
}

bool AnalyseLoadcase() {
    ClearCaseWork();
    for (int s = 0; s <= MaxSpans; ++s) {
        for (int j = 0; j <= 200; ++j) SpanMoment[s][j] = 0;
        for (int p = 1; p <= 201; ++p) SpanDeflection[s][p] = 0;
    }
    SpanIntervals = CoarseIntervals;
    if (LoadcaseActive[CurrentCase] == 0) return false;

    // Pass 1: unfactored loads, 20 intervals, deflections.
    SplitLoadsToSpans();
    FactoredPass = 0;
    CollectSpanLoads();
    CantileverForces();
    CantileverUnitMoments();
    CantileverDeflection();
    SolveSpans(true);
    UnitLoadDeflections();

    // Pass 2: factored loads at the finer division; the pieces are reused.
    ChooseSpanIntervals();
    ClearCantileverRows(SpanIntervals + 5);
    FactoredPass = 1;
    CollectSpanLoads();
    FactoredPass = 0;
    ClearSpanMomentPeaks();   // the stored peaks are those of the factored pass
    CantileverForces();
    SolveSpans(false);
    return true;
}

namespace {

// The stored results that the final pass writes besides its work tables,
// put back when a pass solved only to read values off it ends, even by an error.
class KeptResults {
    decltype(SpanMomentMax) max_ = SpanMomentMax, min_ = SpanMomentMin;
    decltype(SpanMomentMaxX) maxX_ = SpanMomentMaxX, minX_ = SpanMomentMinX;
    decltype(CantMomentMax) cantMax_ = CantMomentMax, cantMin_ = CantMomentMin;
    decltype(CaseAppliedLoad) applied_ = CaseAppliedLoad;
    decltype(DirectSupportLoad) onSupports_ = DirectSupportLoad;
    decltype(NoLoadsMark) marks_ = NoLoadsMark;

public:
    KeptResults() = default;
    KeptResults(const KeptResults&) = delete;
    KeptResults& operator=(const KeptResults&) = delete;
    ~KeptResults() {
        SpanMomentMax = max_;
        SpanMomentMin = min_;
        SpanMomentMaxX = maxX_;
        SpanMomentMinX = minX_;
        CantMomentMax = cantMax_;
        CantMomentMin = cantMin_;
        CaseAppliedLoad = applied_;
        DirectSupportLoad = onSupports_;
        NoLoadsMark = marks_;
    }
};

}  // namespace

void SolveFinalPassAt(int intervals) {
    if (intervals < 1 || intervals > LastStation) RaiseRangeCheck();
    const KeptResults kept;
    SpanIntervals = intervals;
    TakeMemberProperties();
    ClearCaseWork();
    SplitLoadsToSpans();
    FactoredPass = 1;
    CollectSpanLoads();
    FactoredPass = 0;
    CantileverForces();
    SolveSpans(true);
    SupportReactions();
}

bool AnyLoadcaseLoaded() {
    int32_t marked = 0;
    for (int lc = 1; lc <= NumLoadcases; ++lc) marked = AddI(marked, NoLoadsMark[lc]);
    return marked != NumLoadcases;
}

namespace {

// Every loadcase solved is stored and sampled, or withheld when its
// reactions do not balance its load; then the maxima and the envelope follow.
void CasesToEnvelope(const AnalysisHooks& hooks) {
    UnbalancedMark.Fill(0);
    for (CurrentCase = 1; CurrentCase <= NumLoadcases; ++CurrentCase) {
        Call(hooks.CaseStarting);
        if (!AnalyseLoadcase()) continue;
        StoreCaseResults();
        if (!CaseBalances(CurrentCase)) {
            WithholdCaseResults();
            Call(hooks.CaseWithheld);
            continue;
        }
        Call(hooks.CaseStored);
        if (EnvelopeWanted()) SampleCaseAtTwentieths();
    }
    // The loop leaves CurrentCase one past the last loadcase; keep the last.
    if (NumLoadcases > 0) CurrentCase = NumLoadcases;
    AllCasesShearMaxima();
    AllCasesMomentMaxima();
    AllCasesDeflectionMaxima();
    Call(hooks.MaximaFormed);
    if (EnvelopeWanted()) {
        ComputeEnvelope();
        Call(hooks.EnvelopeFormed);
    }
}

}  // namespace

bool RunAnalysis(const AnalysisHooks& hooks) {
    if (BeamLength == 0) return false;
    AnalysisRefusal.clear();
    bool summing = true;  // the applied loads, before any result
    ResultsReplaced();
    try {
        InitResults();
        Call(hooks.Started);
        SpanIntervals = CoarseIntervals;
        TakeMemberProperties();
        SumAppliedLoads();
        summing = false;
        CasesToEnvelope(hooks);
        if (AnyLoadcaseLoaded()) Call(hooks.ReportsDue);
        DisplayMode = 0;
        CheckEquilibrium();
        ResultsReady = 1;
        Call(hooks.Finished);
    } catch (const ArithmeticError&) {
        MarkResultsStale();
        // Kept for the lists, Save and Open to say why there are no results.
        const std::string lc = std::to_string(CurrentCase);
        AnalysisRefusal = (summing ? "the applied load of loadcase " + lc + " lies"
                                   : "the results of loadcase " + lc + " lie") +
                          " beyond the values the program can hold";
        throw RunError("The beam cannot be analysed: " + AnalysisRefusal + ".");
    } catch (...) {
        MarkResultsStale();
        throw;
    }
    return true;
}
