#include "Maxima.h"
#include "AnalysisState.h"
#include "Global.h"

namespace {

using SummaryTable = BArray2<MemberSummary, 0, 25, 0, 27>;

void Larger(float& to, float v) {
    if (v > to) to = v;
}
void Smaller(float& to, float v) {
    if (v < to) to = v;
}
// The value of larger magnitude of a largest and a smallest; a tie keeps the largest.
float SignedExtreme(float largest, float smallest) { return -smallest > largest ? smallest : largest; }

// Row 27 f3, f4, f5 over the member rows first..26, from the given start.
void BeamRowExtremes(BArray<MemberSummary, 0, 27>& rows, int first, float f3, float f4, float f5) {
    for (int r = first; r <= RHC; ++r) {
        Larger(f3, rows[r][3]);
        Smaller(f4, rows[r][4]);
        Larger(f5, rows[r][5]);
    }
    rows[BeamRow][3] = f3;
    rows[BeamRow][4] = f4;
    rows[BeamRow][5] = f5;
}

// Loadcase 0's f3, f4, f5 of every row take the loadcases' extremes.
void AllCasesExtremes(SummaryTable& t) {
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        for (int r = 0; r <= BeamRow; ++r) {
            Larger(t[0][r][3], t[lc][r][3]);
            Smaller(t[0][r][4], t[lc][r][4]);
            Larger(t[0][r][5], t[lc][r][5]);
        }
}

}  // namespace

void CaseShearMaxima() {
    auto& rows = ShearSummary[CurrentCase];
    BeamRowExtremes(rows, 1, rows[0][3], rows[0][4], rows[0][5]);
}

void CaseMomentMaxima() {
    auto& rows = MomentSummary[CurrentCase];
    for (int r = 0; r <= RHC; ++r) {
        MemberSummary& m = rows[r];
        // f3 and f4 arrive holding the member's station extremes, so a
        // sagging and a hogging peak inside one span both count.
        float largest = 0, smallest = 0;
        for (float v : {m[3], m[0], m[1], m[2]}) Larger(largest, v);
        for (float v : {m[4], m[0], m[1], m[2]}) Smaller(smallest, v);
        m[3] = largest;
        m[4] = smallest;
        m[5] = -smallest > largest ? -smallest : largest;
    }
    BeamRowExtremes(rows, 0, 0, 0, 0);
}

void CaseDeflectionMaxima() {
    auto& rows = DeflectionSummary[CurrentCase];
    float largest = 0, smallest = 0;
    for (int r = 0; r <= RHC; ++r) {
        Larger(largest, rows[r][1]);
        Smaller(smallest, rows[r][1]);
    }
    rows[BeamRow][1] = SignedExtreme(largest, smallest);
    BeamRowExtremes(rows, 0, 0, 0, 0);
}

void AllCasesShearMaxima() { AllCasesExtremes(ShearSummary); }

void AllCasesMomentMaxima() { AllCasesExtremes(MomentSummary); }

void AllCasesDeflectionMaxima() {
    for (int r = 0; r <= BeamRow; ++r) {
        float largest = 0, smallest = 0;
        for (int lc = 1; lc <= NumLoadcases; ++lc) {
            Larger(largest, DeflectionSummary[lc][r][1]);
            Smaller(smallest, DeflectionSummary[lc][r][1]);
        }
        DeflectionSummary[0][r][1] = SignedExtreme(largest, smallest);
    }
    AllCasesExtremes(DeflectionSummary);
}
