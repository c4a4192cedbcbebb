// SPDX-License-Identifier: GPL-3.0-or-later
// Times clear-and-redraw into the display list with a plain clock, so that
// the same source runs natively and as WebAssembly under node and the two
// can be compared (docs/performance.md). Prints the median over batches in
// microseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/scene.h"

namespace {

using orvath::DisplayMode;
using orvath::bench::Setting;

double MedianMicroseconds(const Setting& setting) {
    constexpr int kBatches = 9;
    constexpr int kRedrawsPerBatch = 4000;
    orvath::DisplayList list;
    const orvath::Scene scene = orvath::bench::PrepareScene(setting, list);
    std::vector<double> batches;
    for (int b = 0; b < kBatches; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kRedrawsPerBatch; ++i) {
            orvath::bench::Redraw(setting, scene, list);
        }
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        batches.push_back(took.count() / kRedrawsPerBatch);
    }
    std::nth_element(batches.begin(), batches.begin() + kBatches / 2, batches.end());
    return batches[kBatches / 2];
}

}  // namespace

int main() {
    const Setting settings[] = {
        {.mode = DisplayMode::Wavelets, .angle = 25, .index = 50, .waves = 10, .time = 2000},
        {.mode = DisplayMode::Wavelets, .angle = 25, .index = 50, .waves = 39, .time = 5000},
        {.mode = DisplayMode::Continuous, .angle = 25, .index = 50, .waves = 10, .time = 2000},
        {.mode = DisplayMode::Continuous, .angle = 25, .index = 50, .waves = 39, .time = 5000},
    };
    for (const Setting& setting : settings) {
        std::printf("%-32s %8.2f us\n", orvath::bench::Name(setting).c_str(),
                    MedianMicroseconds(setting));
    }
    return 0;
}
