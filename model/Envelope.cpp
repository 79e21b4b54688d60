#include "Envelope.h"
#include <cmath>
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Checked.h"
#include "Global.h"
#include "SpanForces.h"

namespace {
void Sample(int cc, int row, int k, Real shear, Real moment) {
    EnvelopeShear[cc][row][k][0] = ToSingle(std::fabs(shear));
    EnvelopeMoment[cc][row][k][0] = EnvelopeMoment[cc][row][k][1] = ToSingle(moment);
}
}  // namespace

void SampleCaseAtTwentieths() {
    const int cc = CurrentCase, t = TwentiethStep;
    for (int k = 1; k <= 21; ++k) {
        const int j = (k - 1) * t;
        // Cantilever rows are indexed from 1 for station 0.
        Sample(cc, LHC, k, CantShear[1][j + 1], CantMoment[1][j + 1]);
        for (int s = 1; s <= NumSpans; ++s) Sample(cc, s, k, SpanShear[s][j], SpanMoment[s][j]);
        Sample(cc, RHC, k, CantShear[2][j + 1], CantMoment[2][j + 1]);
    }
}

void ComputeEnvelope() {
    auto& shear0 = EnvelopeShear[0];
    auto& moment0 = EnvelopeMoment[0];
    for (int r = 0; r <= RHC; ++r)
        for (int k = 1; k <= 21; ++k) {
            shear0[r][k].Fill(0);
            moment0[r][k].Fill(0);
        }
    auto used = [](int r) {
        return r == LHC ? MemberPresent(LHC) : r == RHC ? MemberPresent(RHC) : r <= NumSpans;
    };
    for (int r = 0; r <= RHC; ++r) {
        if (!used(r)) continue;
        for (int k = 1; k <= 21; ++k) {
            auto& sh = shear0[r][k];
            auto& mo = moment0[r][k];
            sh[0] = EnvelopeShear[1][r][k][0];
            sh[1] = 1;
            mo[0] = EnvelopeMoment[1][r][k][0];
            mo[1] = EnvelopeMoment[1][r][k][1];
            mo[2] = mo[3] = 1;
            for (int lc = 2; lc <= NumLoadcases; ++lc) {
                const float s = EnvelopeShear[lc][r][k][0];
                const auto& m = EnvelopeMoment[lc][r][k];
                if (s > sh[0]) sh[0] = s, sh[1] = float(lc);
                if (m[0] > mo[0]) mo[0] = m[0], mo[2] = float(lc);
                if (m[1] < mo[1]) mo[1] = m[1], mo[3] = float(lc);
            }
        }
    }
}

void ClearEnvelope() {
    for (int lc = 0; lc <= MaxLoadcases; ++lc)
        for (int r = 0; r <= RHC; ++r)
            for (int k = 1; k <= 21; ++k) {
                EnvelopeShear[lc][r][k].Fill(0);
                EnvelopeMoment[lc][r][k].Fill(0);
            }
}
