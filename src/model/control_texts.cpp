// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/control_texts.h"

#include <array>

namespace orvath {

const ControlText& TextOf(Control control) {
    // Labels have no texts of their own: the bar beside them speaks for them.
    static constexpr ControlText kNone{};
    static constexpr auto kTexts = std::to_array<ControlText>({
        {"Angle of incidence",
         "Angle of incidence: the angle between the incoming rays and the normal to the "
         "boundary, 0 to 89 degrees",
         "Sets the angle between the incoming rays and the normal, 0 to 89 degrees.",
         {}},
        kNone,
        {"Time",
         "Time: how far the wave has travelled since it left its start front; the timer moves it",
         "Sets the time shown, 0 to 50 time units. The timer moves this bar.",
         {}},
        kNone,
        {"Number of waves",
         "Number of waves: how many rays and wavelets are drawn, 5 to 39",
         "Sets how many rays and wavelets are drawn, 5 to 39.",
         {}},
        kNone,
        {"Continuous", "Show the wave as continuous fronts crossing the boundary",
         "Shows the wave as continuous fronts crossing the boundary.", "CONTINUOUS"},
        {"Wavelets",
         "Show the construction: each point of a front sends out a wavelet, and their common "
         "tangent is the next front",
         "Shows the secondary-wavelet construction of the refracted front.", "WAVELETS"},
        {"Relative refractive index",
         "Relative refractive index n = c1 / c2, 0.50 to 3.00: below 1 the wave is faster under "
         "the boundary",
         "Sets the relative refractive index n = c1 / c2, 0.50 to 3.00, in steps of 0.01.",
         {}},
        kNone,
        {"Start timer",
         "Start the timer: the time bar advances and the wave moves on (Space starts and stops "
         "it)",
         "Starts moving the time bar, one step each millisecond. Space starts and stops it.",
         "TIMER"},
        {"Stop timer", "Stop the timer (Space starts and stops it)",
         "Stops the timer. Space starts and stops it.", "STOP TIMER"},
    });
    static_assert(kTexts.size() == kControlCount);
    return kTexts.at(static_cast<std::size_t>(control));
}

const ControlText& ExactSwitchText() {
    static constexpr ControlText kText{
        "Exact view",
        "Draw the construction exactly as physics has it: true tangent points, the reflected "
        "wave and the proof of Snell's law (E)",
        "Switches between the classic and the exact view of the picture. E does the same.",
        "EXACT"};
    return kText;
}

const ControlText& ReflectionSwitchText() {
    static constexpr ControlText kText{
        "Reflected wave", "Show the partially reflected wave in the exact view (R)",
        "Shows or hides the partially reflected wave below the critical angle in the exact "
        "view. R does the same.",
        "REFLECTION"};
    return kText;
}

}  // namespace orvath
