// SPDX-License-Identifier: GPL-3.0-or-later
// Redraws both pictures for over a million bar combinations: every angle with
// every index many times over, the waves and the time drawn at random (fixed
// seed) over their ranges, on client areas from tiny to extreme. Every number
// reaching the surface must be finite, no radius negative, the pen must be
// left as it was found, and no picture may exceed the operations its drawing
// code can produce.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "continuous/draw_continuous.h"
#include "support/checking_surface.h"
#include "support/sanitizers.h"
#include "support/scenes.h"
#include "wavelets/draw_wavelets.h"

namespace orvath::testing {
namespace {

// Passes over every (angle, index) pair: 90 x 251 pairs each. Under
// AddressSanitizer, which runs this ten times slower, a ninth of the passes
// still meets every pair five times; the full sweep runs in the plain build.
constexpr int kPasses = kAddressSanitizer ? 5 : 45;
constexpr long kCombinations = kPasses * 90L * 251L;
static_assert(kAddressSanitizer || kCombinations >= 1'000'000);

// The most operations a continuous picture can have. Along the normal it is
// the two axes. Otherwise, per front point (one per wave): a wide red dot
// with its two pen widths and the half-wavelength dot (4), and at most three
// arcs of its wavelet (3); then the two axes (2), three rays (3), three
// incident fronts with four pen styles (7), the left edge's wavelet (1) and
// the two lines of the refracted front (2).
constexpr long MaxContinuousOps(int waves) {
    return 7L * waves + 15;
}

// The most operations a wavelet picture can have: the boundary and the normal
// (2); for each of the waves + 1 rays the redrawn boundary and the red hit
// dot with its pen widths (4) and then the largest phase, the crossing one:
// two arcs, the ray, the blue centre dot (3 operations), the marked tangent
// point (3) and the medium-2 arc (10 in all); and the closing stage: two pen
// styles, the current front with the line of centres and their continuations
// (5), and two lines for each whole period elapsed, 0 to Int(50 / T) with
// T = 6, so at most 9 fronts (18).
constexpr long MaxWaveletOps(int waves) {
    return 2 + 14L * (waves + 1) + 2 + 5 + 18;
}

// Client areas at start-up, in pixels: the aspect sets the frame's left edge.
constexpr int kClients[][2] = {{1920, 1080}, {320, 240}, {7680, 4320}, {1080, 1920},
                               {16384, 1},   {1, 16384}, {1, 1},       {1366, 768}};

struct Combination {
    int client = 0;
    BarValues bars;

    std::string Describe() const {
        std::ostringstream text;
        text << "client " << kClients[client][0] << "x" << kClients[client][1] << ", angle "
             << bars.angle << ", index " << bars.index << ", waves " << bars.waves << ", time "
             << bars.time;
        return text.str();
    }
};

// The waves and the time of pass p: the four corners of their ranges first,
// then drawn uniformly with a fixed seed.
class SweepValues {
  public:
    std::int16_t Waves(int pass) { return pass < 4 ? (pass % 2 == 0 ? 5 : 39) : Draw(5, 39); }
    std::int16_t Time(int pass) { return pass < 4 ? (pass < 2 ? 0 : 5000) : Draw(0, 5000); }

  private:
    std::int16_t Draw(int min, int max) {
        return static_cast<std::int16_t>(min + generator_() % static_cast<unsigned>(max - min + 1));
    }
    std::mt19937 generator_{20240611};
};

struct SweepResult {
    long combinations = 0;
    long mostOps = 0;
    long faults = 0;
    std::string firstFault;
};

// Draws one picture per combination and checks each.
template <typename Draw, typename Bound>
SweepResult Sweep(const Draw& draw, const Bound& maxOps) {
    SweepResult result;
    SweepValues values;
    Combination c;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (std::int16_t angle = 0; angle <= 89; ++angle) {
            for (std::int16_t index = 50; index <= 300; ++index) {
                c.bars = {angle, index, values.Waves(pass), values.Time(pass)};
                c.client = static_cast<int>(result.combinations % std::size(kClients));
                CheckingSurface surface;
                draw(FormScene(c.bars, kClients[c.client][0], kClients[c.client][1]), surface);
                ++result.combinations;
                result.mostOps = std::max(result.mostOps, surface.ops);

                std::string fault;
                if (surface.nonFinite > 0) {
                    fault = std::to_string(surface.nonFinite) + " numbers not finite";
                } else if (surface.negativeRadii > 0) {
                    fault = "a negative radius";
                } else if (surface.ops > maxOps(c.bars.waves)) {
                    fault = std::to_string(surface.ops) + " operations";
                } else if (!surface.PenIsUsual()) {
                    fault = "the pen left changed";
                }
                if (!fault.empty() && result.faults++ == 0) {
                    result.firstFault = c.Describe() + ": " + fault;
                }
            }
        }
    }
    return result;
}

void Report(const char* mode, const SweepResult& result) {
    std::cout << mode << ": " << result.combinations << " combinations, at most " << result.mostOps
              << " operations in a picture\n";
    EXPECT_EQ(result.combinations, kCombinations);
    EXPECT_EQ(result.faults, 0) << "first: " << result.firstFault;
}

TEST(BarSweep, WaveletPicturesStayFiniteAndBounded) {
    const auto result =
        Sweep([](const Scene& scene, Surface& surface) { DrawWavelets(scene, surface, nullptr); },
              MaxWaveletOps);
    Report("wavelets", result);
}

TEST(BarSweep, ContinuousPicturesStayFiniteAndBounded) {
    const auto result =
        Sweep([](const Scene& scene, Surface& surface) { DrawContinuous(scene, surface); },
              MaxContinuousOps);
    Report("continuous", result);
}

}  // namespace
}  // namespace orvath::testing
