// Whole analysis of the largest beam: both cantilevers, 25 spans at 200
// intervals, 25 active loadcases of 50 mixed loads and the self weight.
#include <benchmark/benchmark.h>
#include "Analysis.h"
#include "BeamSetup.h"
#include "Global.h"

static void BM_AnalyseLargestBeam(benchmark::State& state) {
    test::LargestBeam();
    for (auto _ : state) {
        RunAnalysis();
        benchmark::DoNotOptimize(CaseReaction[NumLoadcases][1]);
    }
}
BENCHMARK(BM_AnalyseLargestBeam)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
