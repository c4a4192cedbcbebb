// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/trace_surface.h"

#include <cstdio>
#include <ostream>

namespace orvath {

std::string TraceNumber(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

std::string TraceColour(Colour colour) {
    if (!colour) {
        return "fg";
    }
    return std::to_string(colour->r) + "," + std::to_string(colour->g) + "," +
           std::to_string(colour->b);
}

void TraceSurface::Scale(float x1, float y1, float x2, float y2) {
    out_ << "scale " << TraceNumber(x1) << ' ' << TraceNumber(y1) << ' ' << TraceNumber(x2) << ' '
         << TraceNumber(y2) << '\n';
}

void TraceSurface::Cls() {
    currentX_ = 0;
    currentY_ = 0;
    out_ << "cls\n";
}

void TraceSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    currentX_ = x2;
    currentY_ = y2;
    out_ << "line " << TraceNumber(x1) << ' ' << TraceNumber(y1) << ' ' << TraceNumber(x2) << ' '
         << TraceNumber(y2) << ' ' << TraceColour(colour) << '\n';
}

void TraceSurface::LineTo(float x2, float y2, Colour colour) {
    currentX_ = x2;
    currentY_ = y2;
    out_ << "lineto " << TraceNumber(x2) << ' ' << TraceNumber(y2) << ' ' << TraceColour(colour)
         << '\n';
}

void TraceSurface::Circle(float x, float y, float radius, float start, float end, Colour colour) {
    out_ << "circle " << TraceNumber(x) << ' ' << TraceNumber(y) << ' ' << TraceNumber(radius)
         << ' ' << TraceNumber(start) << ' ' << TraceNumber(end) << ' ' << TraceColour(colour)
         << '\n';
}

void TraceSurface::PSet(float x, float y, Colour colour) {
    out_ << "pset " << TraceNumber(x) << ' ' << TraceNumber(y) << ' ' << TraceColour(colour)
         << '\n';
}

void TraceSurface::DrawWidth(int pixels) {
    out_ << "width " << pixels << '\n';
}

void TraceSurface::DrawStyle(LineStyle style) {
    out_ << "style " << static_cast<int>(style) << '\n';
}

void TraceSurface::SetCurrent(float x, float y) {
    currentX_ = x;
    currentY_ = y;
}

void TraceSurface::BeginPart(Part part) {
    out_ << "part " << PartName(part) << '\n';
}

void TraceSurface::SetFont(float emHeight) {
    out_ << "font " << TraceNumber(emHeight) << '\n';
}

void TraceSurface::Backing(float x1, float y1, float x2, float y2, Colour colour) {
    out_ << "backing " << TraceNumber(x1) << ' ' << TraceNumber(y1) << ' ' << TraceNumber(x2) << ' '
         << TraceNumber(y2) << ' ' << TraceColour(colour) << '\n';
}

void TraceSurface::Print(std::string_view text) {
    out_ << "print " << TraceNumber(currentX_) << ' ' << TraceNumber(currentY_) << " \"" << text
         << "\"\n";
}

}  // namespace orvath
