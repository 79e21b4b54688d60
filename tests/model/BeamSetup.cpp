#include "BeamSetup.h"
#include "Analysis.h"
#include "Messages.h"

namespace test {

void SetBeam(const std::vector<double>& spans, double lhc, double rhc) {
    BeamGeometryTable.Fill({});
    SupportTypes.Fill(0);
    LoadTable.Fill({});
    LoadcaseActive.Fill(0);
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
        r[LApplied] = -1;
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
        LoadcaseActive[lc] = 0;
        for (int i = 1; i <= LoadSlots; ++i) {
            const LoadRecord& r = LoadTable[lc][i];
            if (r[LApplied] == 1 && (r[LStart] != 0 || r[LFinish] != 0)) LoadcaseActive[lc] = 1;
            if (r[LApplied] == 1) NumLoadcases = lc;
        }
    }
}

double Node(int k) {
    double s = BeamGeometryTable[LHC][GLength];
    for (int i = 1; i < k; ++i) s += BeamGeometryTable[i][GLength];
    return s;
}

std::vector<std::string> Analyse() {
    std::vector<std::string> shown;
    SetMessageHandler([&shown](const std::string& m) { shown.push_back(m); });
    RunAnalysis();
    SetMessageHandler(nullptr);
    return shown;
}

}  // namespace test
