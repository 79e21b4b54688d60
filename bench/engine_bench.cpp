// Whole analysis of the largest beam: both cantilevers, 25 spans at 200
// intervals, 25 active loadcases of 50 mixed loads and the self weight.
// The loads window's Apply box ticked after a load was typed past the beam's
// end: the cost of a tick after 1 and after 10,000 earlier ticks.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include "Analysis.h"
#include "BeamSetup.h"
#include "Global.h"
#include "LoadData.h"
#include "Startup.h"
#include "TempDir.h"
#include "gui_testing.h"

static void BM_AnalyseLargestBeam(benchmark::State& state) {
    test::LargestBeam();
    for (auto _ : state) {
        RunAnalysis();
        benchmark::DoNotOptimize(CaseReaction[NumLoadcases][1]);
    }
}
BENCHMARK(BM_AnalyseLargestBeam)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

namespace {
// The program's windows, made once in a folder of their own.
TLoadDataFrm& LoadsWindow() {
    static TempDir* folder = nullptr;
    if (!folder) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "engine_bench";
        static char* argv[] = {name, nullptr};
        gui::InitApplication(argc, argv);
        gui::SetMessageHook([](const std::string&) {});  // the load past the end is named; nobody reads it here
        folder = new TempDir;
        CreateForms();
    }
    return *LoadDataFrm;
}
}  // namespace

// 20 spans of 0.5 m; row 1 a point load typed at 95 m, applied, then mended
// to 9.5 m; range(0) ticks before the ones timed.
static void BM_ApplyTickAfterALoadPastTheEnd(benchmark::State& state) {
    TLoadDataFrm& f = LoadsWindow();
    for (const QuantityUnits& q : UnitTable()) SetUnit(q.id, q.Default());  // m, kN and kN/m
    FactoredLoads = 1;
    test::SetBeam(std::vector<double>(20, 500));
    ApplyFlags.Fill({});
    f.Hide();
    f.Show();
    f.cmd_ClearClick();
    LoadRowControls& row = f.Row(1);
    row.OptionP.Click();
    row.Edit_PL.SetText("10");
    row.Edit_Dist.SetText("95");
    row.Check.Click();
    row.Edit_Dist.SetText("9.5");
    for (int64_t k = 0; k < state.range(0); ++k) row.Check.Click();
    for (auto _ : state) row.Check.Click();
    state.counters["kept"] = double(gui::DrawnCount(f.Image_Beam.GetCanvas()));
    f.Hide();
}
BENCHMARK(BM_ApplyTickAfterALoadPastTheEnd)
    ->Arg(1)
    ->Arg(10000)
    ->Iterations(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
