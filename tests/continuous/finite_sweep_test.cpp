// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/world_frame.h"
#include "continuous/draw_continuous.h"

namespace orvath {
namespace {

// Draws nothing; counts numbers that are not finite, negative radii and arc
// angles outside one turn, and keeps the pen it is left with. It starts off
// the usual pen so that a picture that fails to reset it shows.
class CheckingSurface : public Surface {
  public:
    void Scale(float, float, float, float) override {}
    void Cls() override {}
    void Line(float x1, float y1, float x2, float y2, Colour) override { Check({x1, y1, x2, y2}); }
    void LineTo(float x2, float y2, Colour) override { Check({x2, y2}); }
    void Circle(float x, float y, float radius, float start, float end, Colour) override {
        const float turn = static_cast<float>(2 * 3.14159265358979323846);
        Check({x, y, radius, start, end});
        faults += radius < 0 || start < 0 || start > turn || end < 0 || end > turn;
    }
    void PSet(float x, float y, Colour) override { Check({x, y}); }
    void DrawWidth(int pixels) override { width = pixels; }
    void DrawStyle(LineStyle s) override { style = s; }
    void SetCurrent(float x, float y) override { Check({x, y}); }
    void Print(std::string_view) override {}

    int faults = 0;
    int width = 9;
    LineStyle style = LineStyle::Dashed;

  private:
    void Check(std::initializer_list<float> numbers) {
        for (const float number : numbers) {
            faults += !std::isfinite(number);
        }
    }
};

// Every angle with every index (so each angle near its critical index), then
// every angle with a spread of indices, wave counts and times.
TEST(ContinuousSweep, EveryNumberReachingTheSurfaceIsFinite) {
    SimulationState state = StartupState(1920, 1080);
    std::string firstFault;
    const auto draw = [&](std::int16_t angle, std::int16_t index, std::int16_t waves,
                          std::int16_t time) {
        CheckingSurface surface;
        DrawContinuous(state, BarValues{angle, index, waves, time}, surface);
        // Along the normal only the axes are drawn and the pen is not touched.
        const bool penLeftWrong =
            angle != 0 && (surface.width != 1 || surface.style != LineStyle::Solid);
        if ((surface.faults > 0 || penLeftWrong) && firstFault.empty()) {
            firstFault = "angle " + std::to_string(angle) + ", index " + std::to_string(index) +
                         ", waves " + std::to_string(waves) + ", time " + std::to_string(time);
        }
    };

    for (std::int16_t angle = 0; angle <= 89; ++angle) {
        for (std::int16_t index = 50; index <= 300; ++index) {
            for (const std::int16_t time : {0, 1, 5000}) {
                draw(angle, index, 5, time);
            }
        }
    }
    std::vector<std::int16_t> times = {0, 1, 2, 3, 99, 100, 101, 4999, 5000};
    for (std::int16_t time = 13; time < 5000; time += 29) {
        times.push_back(time);
    }
    for (std::int16_t angle = 0; angle <= 89; ++angle) {
        for (const std::int16_t index : {50, 51, 67, 99, 100, 101, 150, 233, 300}) {
            for (const std::int16_t waves : {5, 6, 9, 22, 39}) {
                for (const auto time : times) {
                    draw(angle, index, waves, time);
                }
            }
        }
    }
    EXPECT_EQ(firstFault, "");
}

}  // namespace
}  // namespace orvath
