// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "model/scene.h"
#include "surface/surface.h"

namespace orvath {

// Writes the caption of the time label.
using CaptionWriter = std::function<void(const std::string&)>;

// Draws the "WAVELETS" picture of the scene on a surface that the caller has
// just cleared, and writes the time label in the picture's own wording
// ("TIME= 20.00 * T") after the boundary and the normal.
void DrawWavelets(const Scene& scene, Surface& surface, const CaptionWriter& writeTimeCaption);

}  // namespace orvath
