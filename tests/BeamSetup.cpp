#include "BeamSetup.h"
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamRules.h"
#include "LoadOutline.h"
#include "Messages.h"

namespace test {

void SetBeam(const std::vector<double>& spans, double lhc, double rhc) {
    BeamGeometryTable.Fill({});
    SupportTypes.Fill(0);
    LoadTable.Fill({});
    LoadcaseActive.Fill(0);
    UnbalancedMark.Fill(0);
    NumLoadcases = 0;
    NumSpans = int32_t(spans.size());
    auto member = [](int m, double len) {
        BeamGeometryTable[m][GPresent] = 1;
        BeamGeometryTable[m][GLength] = len;
        BeamGeometryTable[m][GE] = E;
        BeamGeometryTable[m][GIxx] = I;
        BeamGeometryTable[m][GY] = 100;
    };
    BeamLength = lhc + rhc;
    for (size_t s = 0; s < spans.size(); ++s) {
        member(int(s) + 1, spans[s]);
        BeamLength += spans[s];
    }
    if (lhc > 0) member(LHC, lhc);
    if (rhc > 0) member(RHC, rhc);
    for (int k = 0; k <= 25; ++k) SupportTypes[k] = SupportSimple;
}

static void Slot(int slot, float kind, double d, double w1, double w2, double c, double f,
                 const std::vector<int>& cases) {
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        LoadRecord& r = LoadTable[lc][slot];
        r[LKind] = kind;
        r[LDist] = float(d);
        r[LStart] = float(w1);
        r[LFinish] = float(w2);
        r[LCover] = float(c);
        r[LFactor] = float(f);
        r[LApplied] = NotApplied;
    }
    for (int lc : cases) LoadTable[lc][slot][LApplied] = 1;
}

void PointLoad(int slot, double d, double load, double factor, std::vector<int> cases) {
    Slot(slot, KindPoint, d, load, 0, 0, factor, cases);
}

void Udl(int slot, double d, double w1, double w2, double cover, double factor, std::vector<int> cases) {
    Slot(slot, KindUDL, d, w1, w2, cover, factor, cases);
}

void FinishLoads() {
    NumLoadcases = 0;
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        LoadcaseActive[lc] = LoadcaseLoaded(LoadTable[lc]) ? 1 : 0;
        AcceptedUDLOutline[lc] = UDLOutlineOfLoads(LoadTable[lc]);
        for (int i = 1; i <= LoadSlots; ++i)
            if (LoadTable[lc][i][LApplied] == 1) NumLoadcases = lc;
    }
}

void LargestBeam() {
    std::vector<double> spans(25, 2500);
    spans[12] = 45000;
    SetBeam(spans, 1500, 1800);
    for (int s = 1; s <= 25; ++s) BeamGeometryTable[s][GIxx] = I * (1 + 0.1 * (s % 4));
    unsigned seed = 2024;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return double((seed >> 8) % range);
    };
    const double length = BeamLength;
    for (int slot = 1; slot <= 50; ++slot) {
        std::vector<int> cases;
        for (int lc = 1; lc <= 25; ++lc)
            if ((slot + lc) % 3 != 0) cases.push_back(lc);
        const double factor = 1.2 + 0.1 * (slot % 5);
        const double d = next(unsigned(length) - 12000);
        if (slot == 7)
            PointLoad(slot, Node(5), 20000, factor, cases);   // on a support
        else if (slot % 2 == 1)
            PointLoad(slot, d, 1000 + next(60000), factor, cases);
        else
            Udl(slot, d, next(20) + 1, next(20) + 1, 500 + next(11000), factor, cases);
    }
    std::vector<int> all;
    for (int lc = 1; lc <= 25; ++lc) all.push_back(lc);
    Udl(SelfWeightSlot, 0, 0.5, 0.5, length, 1.4, all);
    FinishLoads();
}

double Node(int k) {
    double s = BeamGeometryTable[LHC][GLength];
    for (int i = 1; i < k; ++i) s += BeamGeometryTable[i][GLength];
    return s;
}

std::vector<std::string> MessagesOf(const std::function<void()>& action) {
    std::vector<std::string> shown;
    SetMessageHandler([&shown](const std::string& m) { shown.push_back(m); });
    action();
    SetMessageHandler(nullptr);
    return shown;
}

std::vector<std::string> Analyse() {
    return MessagesOf([] { RunAnalysis(); });
}

}  // namespace test
