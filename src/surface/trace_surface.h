// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "surface/surface.h"

namespace orvath {

// Formats a number as the trace prints it: C's %.9g of the value.
std::string TraceNumber(double value);
// Formats a colour as the trace prints it: "fg" or "R,G,B".
std::string TraceColour(Colour colour);

// A surface that draws nothing and writes one trace line per operation.
class TraceSurface : public Surface {
  public:
    explicit TraceSurface(std::ostream& out) : out_(out) {}

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void LineTo(float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, float start, float end, Colour colour) override;
    void PSet(float x, float y, Colour colour) override;
    void DrawWidth(int pixels) override;
    void DrawStyle(LineStyle style) override;
    void SetCurrent(float x, float y) override;
    void Print(std::string_view text) override;
    void BeginPart(Part part) override;
    void SetFont(float emHeight) override;
    void Backing(float x1, float y1, float x2, float y2, Colour colour) override;

  private:
    std::ostream& out_;
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace orvath
