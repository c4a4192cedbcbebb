// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/control_texts.h"

#include <array>

#include "text/translate.h"

namespace orvath {

ControlText Translated(const ControlText& text) {
    // An empty text has no translation: the catalogue's header goes by it.
    const auto shown = [](std::string_view original) {
        return original.empty() ? original : Tr(original);
    };
    return {shown(text.name), shown(text.toolTip), shown(text.description), shown(text.caption)};
}

ControlText TextOf(Control control) {
    // Labels have no texts of their own: the bar beside them speaks for them.
    static constexpr ControlText kNone{};
    static constexpr auto kTexts = std::to_array<ControlText>({
        {TrMark("Angle of incidence"),
         TrMark("Angle of incidence: the angle between the incoming rays and the normal to the "
                "boundary, 0 to 89 degrees"),
         TrMark("Sets the angle between the incoming rays and the normal, 0 to 89 degrees."),
         {}},
        kNone,
        {TrMark("Time"),
         TrMark("Time: how far the wave has travelled since it left its start front; the timer "
                "moves it"),
         TrMark("Sets the time shown, 0 to 50 time units. The timer moves this bar."),
         {}},
        kNone,
        {TrMark("Number of waves"),
         TrMark("Number of waves: how many rays and wavelets are drawn, 5 to 39"),
         TrMark("Sets how many rays and wavelets are drawn, 5 to 39."),
         {}},
        kNone,
        {TrMark("Continuous"), TrMark("Show the wave as continuous fronts crossing the boundary"),
         TrMark("Shows the wave as continuous fronts crossing the boundary."),
         TrMark("CONTINUOUS")},
        {TrMark("Wavelets"),
         TrMark(
             "Show the construction: each point of a front sends out a wavelet, and their common "
             "tangent is the next front"),
         TrMark("Shows the secondary-wavelet construction of the refracted front."),
         TrMark("WAVELETS")},
        {TrMark("Relative refractive index"),
         TrMark("Relative refractive index n = c1 / c2, 0.50 to 3.00: below 1 the wave is faster "
                "under "
                "the boundary"),
         TrMark("Sets the relative refractive index n = c1 / c2, 0.50 to 3.00, in steps of 0.01."),
         {}},
        kNone,
        {TrMark("Start timer"),
         TrMark(
             "Start the timer: the time bar advances and the wave moves on (Space starts and stops "
             "it)"),
         TrMark(
             "Starts moving the time bar, one step each millisecond. Space starts and stops it."),
         TrMark("TIMER")},
        {TrMark("Stop timer"), TrMark("Stop the timer (Space starts and stops it)"),
         TrMark("Stops the timer. Space starts and stops it."), TrMark("STOP TIMER")},
    });
    static_assert(kTexts.size() == kControlCount);
    return Translated(kTexts.at(static_cast<std::size_t>(control)));
}

ControlText ExactSwitchText() {
    static constexpr ControlText kText{
        TrMark("Exact view"),
        TrMark(
            "Draw the construction exactly as physics has it: true tangent points, the reflected "
            "wave and the proof of Snell's law (E)"),
        TrMark("Switches between the classic and the exact view of the picture. E does the same."),
        TrMark("EXACT")};
    return Translated(kText);
}

ControlText ReflectionSwitchText() {
    static constexpr ControlText kText{
        TrMark("Reflected wave"), TrMark("Show the partially reflected wave in the exact view (R)"),
        TrMark("Shows or hides the partially reflected wave below the critical angle in the exact "
               "view. R does the same."),
        TrMark("REFLECTION")};
    return Translated(kText);
}

}  // namespace orvath
