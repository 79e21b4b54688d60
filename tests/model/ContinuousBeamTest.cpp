#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Global.h"

using namespace test;

namespace {
// Support moments of a continuous beam of simple supports under a uniform
// load w, by the three-moment equation solved with Gaussian elimination
// with partial pivoting (moments at the two ends are 0).
std::vector<long double> ThreeMomentSupportMoments(const std::vector<double>& spans, double load) {
    const int n = int(spans.size()) - 1;   // inner supports
    std::vector<std::vector<long double>> a(n, std::vector<long double>(n + 1, 0));
    for (int i = 0; i < n; ++i) {
        const long double l1 = spans[i], l2 = spans[i + 1];
        if (i > 0) a[i][i - 1] = l1;
        a[i][i] = 2 * (l1 + l2);
        if (i < n - 1) a[i][i + 1] = l2;
        a[i][n] = -load * (l1 * l1 * l1 + l2 * l2 * l2) / 4;
    }
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
        std::swap(a[c], a[p]);
        for (int r = c + 1; r < n; ++r) {
            const long double f = a[r][c] / a[c][c];
            for (int k = c; k <= n; ++k) a[r][k] -= f * a[c][k];
        }
    }
    std::vector<long double> m(n + 2, 0);
    for (int i = n - 1; i >= 0; --i) {
        long double s = a[i][n];
        for (int k = i + 1; k < n; ++k) s -= a[i][k] * m[k + 1];
        m[i + 1] = s / a[i][i];
    }
    return m;
}
}  // namespace

// Twenty-five alternating and twenty-five random spans under w throughout.
TEST(ContinuousBeam, SupportMomentsAgreeWithDirectSolve) {
    std::vector<double> alternating, random;
    unsigned seed = 12345;
    for (int s = 0; s < 25; ++s) {
        alternating.push_back(s % 2 == 0 ? 2000 : 6300);
        seed = seed * 1103515245u + 12345u;
        random.push_back(1000 + double((seed >> 8) % 9000));
    }
    for (const auto& spans : {alternating, random}) {
        SetBeam(spans);
        Udl(1, 0, w, w, BeamLength, 1.0);
        FinishLoads();
        Analyse();
        const auto m = ThreeMomentSupportMoments(spans, w);
        const int n = SavedSpanIntervals;
        double scale = 0;
        for (auto v : m) scale = std::max(scale, double(std::fabs(v)));
        for (int s = 1; s <= 25; ++s) {
            EXPECT_NEAR(CaseMoment[1][s][1], double(m[s - 1]), 1e-5 * scale) << "span " << s;
            EXPECT_NEAR(CaseMoment[1][s][n + 1], double(m[s]), 1e-5 * scale) << "span " << s;
        }
        double reactions = 0;
        for (int k = 1; k <= 26; ++k) reactions += CaseReaction[1][k];
        ExpectRel(reactions, w * BeamLength, 1e-5);
    }
}

TEST(ContinuousBeam, UnloadedSpanPeakIsAtAnEnd) {
    SetBeam({L, L});
    Udl(1, 0, w, w, L, 1.0);
    FinishLoads();
    Analyse();
    // Span 2 carries no load: its moment runs straight from the support
    // moment to 0, so the internal peak field is 0, and its peaks stand at
    // its left end, the largest at 0.
    EXPECT_EQ(MomentSummary[1][2][1], 0);
    EXPECT_LT(MomentSummary[1][2][0], 0);
    ExpectRel(MomentSummary[1][2][4], MomentSummary[1][2][0]);
    EXPECT_EQ(SpanMomentMax[1][2], 0);
    EXPECT_EQ(SpanMomentMaxX[1][2], 0);
    EXPECT_LT(SpanMomentMin[1][2], 0);
    EXPECT_EQ(SpanMomentMinX[1][2], 0);
}
