// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/scene.h"

namespace orvath::bench {
namespace {

// Times clear-and-redraw of one setting into a warm display list and counts
// the operations of its picture.
void TimeRedraws(benchmark::State& run, const Setting& setting) {
    DisplayList list;
    const Scene scene = PrepareScene(setting, list);
    for (auto _ : run) {
        Redraw(setting, scene, list);
        benchmark::DoNotOptimize(list.Ops().data());
        benchmark::ClobberMemory();
    }
    run.counters["ops"] = static_cast<double>(list.Ops().size());
}

// One clear-and-redraw into the display list. Arguments: mode (0 wavelets,
// 1 continuous), waves, time, angle; the index keeps its design value.
void RedrawBenchmark(benchmark::State& run) {
    const Setting setting{
        .mode = run.range(0) == 0 ? DisplayMode::Wavelets : DisplayMode::Continuous,
        .angle = static_cast<int>(run.range(3)),
        .index = 50,
        .waves = static_cast<int>(run.range(1)),
        .time = static_cast<int>(run.range(2))};
    TimeRedraws(run, setting);
}
BENCHMARK(RedrawBenchmark)
    ->Name("BM_Redraw")
    ->ArgNames({"mode", "waves", "time", "angle"})
    ->ArgsProduct({{0, 1}, {5, 10, 39}, {0, 2000, 5000}, {25, 60, 89}})
    ->MinTime(0.05)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// How a redraw grows with the number of waves and with time, at the design
// angle: waves 5..39 at time 5000, and time 0..5000 at 39 waves.
void RedrawGrowthBenchmark(benchmark::State& run) {
    const Setting setting{
        .mode = run.range(0) == 0 ? DisplayMode::Wavelets : DisplayMode::Continuous,
        .angle = 25,
        .index = 50,
        .waves = static_cast<int>(run.range(1)),
        .time = static_cast<int>(run.range(2))};
    TimeRedraws(run, setting);
}
BENCHMARK(RedrawGrowthBenchmark)
    ->Name("BM_RedrawGrowth")
    ->ArgNames({"mode", "waves", "time"})
    ->ArgsProduct({{0, 1}, {5, 15, 25, 39}, {5000}})
    ->ArgsProduct({{0, 1}, {39}, {0, 1000, 2000, 3000, 4000}})
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvath::bench

BENCHMARK_MAIN();
