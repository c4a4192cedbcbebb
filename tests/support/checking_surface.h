// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>

#include "surface/surface.h"

namespace orvath::testing {

// Draws and formats nothing: counts the operations of one picture and the
// numbers they carry, the numbers that are not finite, negative radii and arc
// angles outside one turn, and keeps the pen it is left with. It may start
// off the usual pen, so that a picture that fails to reset the pen shows.
class CheckingSurface : public Surface {
  public:
    explicit CheckingSurface(int startWidth = 1, LineStyle startStyle = LineStyle::Solid)
        : width(startWidth), style(startStyle) {}

    void Scale(float x1, float y1, float x2, float y2) override { Take({x1, y1, x2, y2}); }
    void Cls() override { ++ops; }
    void Line(float x1, float y1, float x2, float y2, Colour) override { Take({x1, y1, x2, y2}); }
    void LineTo(float x2, float y2, Colour) override { Take({x2, y2}); }
    void Circle(float x, float y, float radius, float start, float end, Colour) override {
        const auto turn = static_cast<float>(2 * std::numbers::pi);
        Take({x, y, radius, start, end});
        negativeRadii += radius < 0;
        anglesOutsideTurn += start < 0 || start > turn || end < 0 || end > turn;
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
    void SetFont(float emHeight) override { Take({emHeight}); }
    void Backing(float x1, float y1, float x2, float y2, Colour) override {
        Take({x1, y1, x2, y2});
    }

    bool PenIsUsual() const { return width == 1 && style == LineStyle::Solid; }

    long ops = 0;
    long numbers = 0;
    long nonFinite = 0;
    long negativeRadii = 0;
    long anglesOutsideTurn = 0;
    int width;
    LineStyle style;

  private:
    void Take(std::initializer_list<float> values) {
        ++ops;
        for (const float value : values) {
            ++numbers;
            nonFinite += !std::isfinite(value);
        }
    }
};

}  // namespace orvath::testing
