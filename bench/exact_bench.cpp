// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/scene.h"
#include "exact/exact_view.h"
#include "surface/display_list.h"

namespace orvath::exact {
namespace {

// One clear-and-redraw of the exact view into a warm display list, at
// 1920x1080 with the reflected wave shown. Arguments: picture (0 wavelets,
// 1 continuous), waves, time bar, angle, index; the index 50 makes 30 degrees
// critical and 60 degrees total reflection.
void ExactRedrawBenchmark(benchmark::State& run) {
    bench::Setting setting;
    setting.mode = run.range(0) == 0 ? DisplayMode::Wavelets : DisplayMode::Continuous;
    setting.waves = static_cast<int>(run.range(1));
    setting.time = static_cast<int>(run.range(2));
    setting.angle = static_cast<int>(run.range(3));
    setting.index = static_cast<int>(run.range(4));
    DisplayList list;
    const Scene scene = bench::PrepareScene(setting, list);
    for (auto _ : run) {
        list.Cls();
        DrawExactPicture(scene, {setting.mode, true}, list);
        benchmark::DoNotOptimize(list.Ops().data());
        benchmark::ClobberMemory();
    }
    run.counters["ops"] = static_cast<double>(list.Ops().size());
}
BENCHMARK(ExactRedrawBenchmark)
    ->Name("BM_ExactRedraw")
    ->ArgNames({"picture", "waves", "time", "angle", "index"})
    ->ArgsProduct({{0, 1}, {5, 39}, {0, 2000, 5000}, {25, 30, 60}, {50}})
    ->ArgsProduct({{0, 1}, {10, 39}, {150, 1000, 2575, 3600}, {10, 25, 80}, {150}})
    ->MinTime(0.05)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvath::exact

BENCHMARK_MAIN();
