// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "surface/surface.h"

namespace orvath::testing {

// Draws and formats nothing: counts the operations of one picture, the numbers
// that are not finite, negative radii, and keeps the pen it is left with.
class CountingSurface : public Surface {
  public:
    void Scale(float x1, float y1, float x2, float y2) override { Take({x1, y1, x2, y2}); }
    void Cls() override { ++ops; }
    void Line(float x1, float y1, float x2, float y2, Colour) override { Take({x1, y1, x2, y2}); }
    void LineTo(float x2, float y2, Colour) override { Take({x2, y2}); }
    void Circle(float x, float y, float radius, float start, float end, Colour) override {
        Take({x, y, radius, start, end});
        negativeRadii += radius < 0;
    }
    void PSet(float x, float y, Colour) override { Take({x, y}); }
    void DrawWidth(int pixels) override {
        ++ops;
        width = pixels;
    }
    void DrawStyle(LineStyle s) override {
        ++ops;
        style = s;
    }
    void SetCurrent(float x, float y) override { Take({x, y}); }
    void Print(std::string_view) override { ++ops; }

    long ops = 0;
    long nonFinite = 0;
    long negativeRadii = 0;
    int width = 1;
    LineStyle style = LineStyle::Solid;

  private:
    void Take(std::initializer_list<float> numbers) {
        ++ops;
        for (const float number : numbers) {
            nonFinite += !std::isfinite(number);
        }
    }
};

}  // namespace orvath::testing
