// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scene.h"
#include "surface/surface.h"

namespace orvath {

// Draws the "CONTINUOUS" picture of the scene on a surface that the caller
// has just cleared.
void DrawContinuous(const Scene& scene, Surface& surface);

}  // namespace orvath
