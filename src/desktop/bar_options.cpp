// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/bar_options.h"

#include "desktop/orvath_form.h"

namespace orvath {

void ApplyBarOptions(OrvathForm& form, const BarOptions& options) {
    if (options.mode) {
        form.Click(*options.mode == DisplayMode::Continuous ? ControlId::Option1
                                                            : ControlId::Option2);
    }
    const std::pair<const std::optional<int>&, ControlId> bars[] = {
        {options.angle, ControlId::prosptosis},
        {options.index, ControlId::N_REFR},
        {options.waves, ControlId::arithkyMATON},
        {options.time, ControlId::xronos},
    };
    for (const auto& [value, bar] : bars) {
        if (value) {
            form.MoveBar(bar, *value);
        }
    }
}

}  // namespace orvath
