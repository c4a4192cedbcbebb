// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "model/controls.h"
#include "model/simulation_state.h"

namespace orvath {

// A control's geometry in world units: Left is the x of its left edge, Top the
// y of its top edge; Width extends to the right and Height downwards.
struct ControlRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// Indexed by Control.
using PanelLayout = std::array<ControlRect, kControlCount>;

// The panel in the top-left corner of the frame. Sizes that the layout does
// not set keep the controls' design sizes, given in twips and converted with
// the client height in twips held by the state.
PanelLayout LayOutPanel(const SimulationState& state);

inline const ControlRect& At(const PanelLayout& layout, Control control) {
    return layout.at(static_cast<std::size_t>(control));
}

}  // namespace orvath
