// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/keyboard_focus.h"

#include <vector>

#include "desktop/orvath_window.h"

namespace orvath {

void LetKeysReachEveryControl(OrvathWindow& window) {
    std::vector<QWidget*> stops;
    for (const Control control : {Control::AngleBar, Control::TimeBar, Control::WavesBar,
                                  Control::ContinuousOption, Control::WaveletsOption}) {
        stops.push_back(&window.ControlWidget(control));
    }
    stops.push_back(&window.ExactSwitch());
    stops.push_back(&window.ReflectionSwitch());
    for (const Control control : {Control::IndexBar, Control::StartButton, Control::StopButton}) {
        stops.push_back(&window.ControlWidget(control));
    }
    for (std::size_t i = 0; i < stops.size(); ++i) {
        stops[i]->setFocusPolicy(Qt::StrongFocus);
        if (i > 0) {
            QWidget::setTabOrder(stops[i - 1], stops[i]);
        }
    }
    window
        .ButtonWidget(window.Model().Mode() == DisplayMode::Continuous ? Button::Wavelets
                                                                       : Button::Continuous)
        .setFocusPolicy(Qt::ClickFocus);
    for (const Bar bar : kBars) {
        // A scroll bar's Up and Page Up go towards its minimum; these bars
        // set quantities, so up means more.
        window.BarWidget(bar).setInvertedControls(false);
    }
}

}  // namespace orvath
