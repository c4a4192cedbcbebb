// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "model/scene.h"
#include "surface/surface.h"

namespace orvath::instruments {

// A point of the picture, in world units.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A protractor: a full circle of degree marks about its centre, each read as
// the angle from its zero line (0 to 90 either way, as angles of incidence
// and of refraction are read from the normal). `turn` is the zero line's
// direction, counter-clockwise from straight up, in radians.
struct Protractor {
    Point centre;
    double turn = 0;
    double radius = 60;
    friend bool operator==(const Protractor&, const Protractor&) = default;
};

// A ruler in world units, marked every unit from `start` towards `end`
// (the wave's length in medium 1 is 30 units).
struct Ruler {
    Point start;
    Point end;
    friend bool operator==(const Ruler&, const Ruler&) = default;
};

// Where they first appear on a frame: the protractor about the middle of the
// boundary with its zero line along the normal, the ruler along the bottom,
// 100 units long.
Protractor StartProtractor(const WorldBounds& frame);
Ruler StartRuler(const WorldBounds& frame);

// Draws them, in world units, with their labels `em` high on backings.
void DrawProtractor(const Protractor& protractor, double em, Surface& s);
void DrawRuler(const Ruler& ruler, double em, Surface& s);

// What a pointer holds when it presses at a point: the protractor's body
// moves it, its rim turns it; the ruler's body moves it, its ends stretch
// and turn it about the other end.
enum class Grip { None, MoveProtractor, TurnProtractor, MoveRuler, RulerStart, RulerEnd };

// What a press at `at` grips, `reach` world units from a mark counting as on
// it; the ruler above the protractor where both are shown.
Grip GripAt(const Protractor* protractor, const Ruler* ruler, Point at, double reach);

// The instrument after the pointer held by `grip` moved from `from` to `to`.
Protractor Dragged(const Protractor& protractor, Grip grip, Point from, Point to);
Ruler Dragged(const Ruler& ruler, Grip grip, Point from, Point to);

// Back inside the frame, moved as little as can be, when dragged off it or
// when the frame changed; a ruler longer than the frame is kept as it is
// wide.
Protractor KeptInFrame(const Protractor& protractor, const WorldBounds& frame);
Ruler KeptInFrame(const Ruler& ruler, const WorldBounds& frame);

// A centre dropped within `near` of the boundary goes onto its nearest hit
// point (the x of each point where a ray meets the boundary).
Point Snapped(Point dropped, std::span<const double> hitXs, double near);

// The angle in degrees that the protractor's marks give for the direction
// from its centre to `towards`: 0 on its zero line, 90 across it, 0 again
// opposite it.
double Reading(const Protractor& protractor, Point towards);

}  // namespace orvath::instruments
