#include <gtest/gtest.h>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Global.h"
#include "RunError.h"

using namespace test;

// The moment series ends with a drop to 0 at a fixed right end.
TEST(FixedEnds, MomentSeriesDropsToZeroAtAFixedRightEnd) {
    SetBeam({L});
    SupportTypes[0] = SupportTypes[25] = SupportFixed;
    Udl(1, 0, w, w, L, 1.0);
    FinishLoads();
    Analyse();
    const auto& m = MomentSeries[1];
    const int count = int(m[0][1]);
    EXPECT_EQ(count, 202);
    EXPECT_FLOAT_EQ(m[count][1], 1.0f);
    EXPECT_EQ(m[count][2], 0);
}

// The intervals of a span follow the longest span's share r of the beam.
TEST(Driver, IntervalRuleAtExactRatios) {
    const struct {
        std::vector<double> spans;
        double cantilevers;
        int intervals;
    } rows[] = {
        {{4000, 3000, 3000}, 0, 200},            // r = 0.4
        {{3900, 3000, 3100}, 0, 100},            // just below 0.4
        {std::vector<double>(5, 2000), 0, 100},  // r = 0.2
        {std::vector<double>(10, 1000), 0, 60},  // r = 0.1
        {std::vector<double>(11, 1000), 0, 40},
        {{4000}, 3000, 200},                     // cantilevers count in the length, not as spans
    };
    for (const auto& r : rows) {
        SetBeam(r.spans, r.cantilevers, r.cantilevers);
        ChooseSpanIntervals();
        EXPECT_EQ(SpanIntervals, r.intervals) << r.spans.size() << " spans";
        EXPECT_EQ(SavedSpanIntervals, r.intervals);
        EXPECT_EQ(TwentiethStep, r.intervals / 20);
    }
}

TEST(Driver, NoBeamChangesNothing) {
    SetBeam({L});
    Udl(1, 0, w, w, L, 1.0);
    FinishLoads();
    Analyse();
    const auto reactions = CaseReaction;
    const auto summary = MomentSummary;
    const auto shearSeries = ShearSeries[1];
    BeamLength = 0;
    ResultsReady = 0;
    DisplayMode = 5;
    bool called = false;
    EXPECT_FALSE(RunAnalysis({.Started = [&] { called = true; }}));
    EXPECT_FALSE(called);
    EXPECT_TRUE(CaseReaction == reactions);
    EXPECT_TRUE(MomentSummary == summary);
    EXPECT_TRUE(ShearSeries[1] == shearSeries);
    EXPECT_EQ(ResultsReady, 0);
    EXPECT_EQ(DisplayMode, 5);
}

TEST(Driver, AnAbandonedAnalysisLeavesTheResultsStale) {
    SetBeam({L, L});
    Udl(1, 0, w, w, 2 * L, 1.0);
    FinishLoads();
    Analyse();
    ASSERT_EQ(ResultsReady, 1);
    int told = 0;
    SetStaleResultsHandler([&told] { ++told; });
    BeamGeometryTable[2][GLength] = 0;   // a span of no length: the solution divides by it
    EXPECT_THROW(RunAnalysis(), RunError);
    SetStaleResultsHandler(nullptr);
    EXPECT_EQ(ResultsReady, 0);
    EXPECT_EQ(told, 1);
}
