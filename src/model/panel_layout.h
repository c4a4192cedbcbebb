// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "model/simulation_state.h"

namespace orvath {

// The placed controls, in the order the panel is laid out and traced.
enum class ControlId : std::size_t {
    prosptosis,
    Label1,
    xronos,
    Label2,
    arithkyMATON,
    Label3,
    Option1,
    Option2,
    N_REFR,
    Label4,
    Command1,
    Command2,
};
inline constexpr std::size_t kPlacedControls = 12;

// The control's name as the form and the trace know it.
std::string_view ControlName(ControlId id);

// A control's geometry in world units: Left is the x of its left edge, Top the
// y of its top edge; Width extends to the right and Height downwards.
struct ControlRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

using PanelLayout = std::array<ControlRect, kPlacedControls>;

// The panel in the top-left corner of the frame. Sizes that the layout does
// not set keep the controls' design sizes, given in twips and converted with
// the client height in twips held by the state.
PanelLayout LayOutPanel(const SimulationState& state);

inline const ControlRect& At(const PanelLayout& layout, ControlId id) {
    return layout[static_cast<std::size_t>(id)];
}

}  // namespace orvath
