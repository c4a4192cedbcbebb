// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvath {

// An RGB colour, each component 0..255.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A drawing colour: a given RGB, or none for the surface's foreground colour.
using Colour = std::optional<Rgb>;
inline constexpr Colour kForeground = std::nullopt;

// Pen patterns for DrawStyle.
enum class LineStyle : int { Solid = 0, Dashed = 1, Dotted = 2 };

// The parts of a picture that the exact view names, in the order of their
// trace names.
enum class Part : std::uint8_t {
    Axes,
    IncidentRays,
    IncidentWavelets,
    IncidentFront,
    RefractedRays,
    RefractedWavelets,
    RefractedFront,
    ReflectedRays,
    ReflectedWavelets,
    ReflectedFront,
    TangentPoints,
    Annotations,
    Key,
};
inline constexpr std::size_t kPartCount = 13;

// The part's trace name: "axes", "incident-rays", ...
std::string_view PartName(Part part);

// The world rectangle that Scale maps onto the drawing area.
struct WorldFrame {
    float left = 0;
    float top = 0;
    float right = 1;
    float bottom = 1;
};

// The window's drawing area, in world units of the frame set by Scale.
//
// Coordinates, radii and angles are single-precision reals and are never
// rounded to integers. Line width and style persist between calls. Arcs run
// counter-clockwise (y up) from the start angle to the end angle, in radians,
// also when start > end; an end angle of 2*pi rounded up to float is a full
// turn.
class Surface {
  public:
    virtual ~Surface() = default;

    // Maps (x1, y1) to the top-left and (x2, y2) to the bottom-right corner.
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;
    // Erases everything; the current position returns to (0, 0).
    virtual void Cls() = 0;
    // Segment from (x1, y1) to (x2, y2); the current position becomes (x2, y2).
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour = kForeground) = 0;
    // Segment from the current position to (x2, y2) (polyline form).
    virtual void LineTo(float x2, float y2, Colour colour = kForeground) = 0;
    // Arc of the circle about (x, y) with the given radius.
    virtual void Circle(float x, float y, float radius, float start, float end,
                        Colour colour = kForeground) = 0;
    // A round dot DrawWidth pixels across.
    virtual void PSet(float x, float y, Colour colour = kForeground) = 0;
    // Pen width in device pixels for later calls.
    virtual void DrawWidth(int pixels) = 0;
    // Pen pattern for later lines and arcs.
    virtual void DrawStyle(LineStyle style) = 0;
    // Moves the print position (CurrentX, CurrentY).
    virtual void SetCurrent(float x, float y) = 0;
    // Text, top-left at the current position: in the form's font, or in the
    // labels' face at the size SetFont gave.
    virtual void Print(std::string_view text) = 0;
    // The texts printed after it are in the labels' face (label_font.h), an
    // em high in world units; pictures that never call it print in the
    // form's font.
    virtual void SetFont(float emHeight) = 0;
    // An opaque rectangle with corners (x1, y1) and (x2, y2), painted under
    // the text printed next so that nothing drawn before shows through it.
    virtual void Backing(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // The operations that follow, up to the next BeginPart or Cls, belong to
    // the given part of the picture. Pictures that name no parts never call it.
    virtual void BeginPart(Part /*part*/) {}
};

}  // namespace orvath
