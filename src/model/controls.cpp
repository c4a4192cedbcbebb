// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/controls.h"

namespace orvath {
namespace {

template <typename Key, std::size_t N>
Control Lookup(const std::array<Control, N>& table, Key key) {
    return table.at(static_cast<std::size_t>(key));
}

}  // namespace

std::string_view ControlName(Control control) {
    static constexpr auto kNames = std::to_array<std::string_view>(
        {"prosptosis", "Label1", "xronos", "Label2", "arithkyMATON", "Label3", "Option1", "Option2",
         "N_REFR", "Label4", "Command1", "Command2"});
    static_assert(kNames.size() == kControlCount);
    return kNames.at(static_cast<std::size_t>(control));
}

Control BarControl(Bar bar) {
    static constexpr std::array kBarControls = {Control::AngleBar, Control::IndexBar,
                                                Control::WavesBar, Control::TimeBar};
    static_assert(kBarControls.size() == kBars.size());
    return Lookup(kBarControls, bar);
}

Control LabelControl(Bar bar) {
    static constexpr std::array kLabels = {Control::AngleLabel, Control::IndexLabel,
                                           Control::WavesLabel, Control::TimeLabel};
    static_assert(kLabels.size() == kBars.size());
    return Lookup(kLabels, bar);
}

Control ButtonControl(Button button) {
    static constexpr std::array kButtons = {Control::ContinuousOption, Control::WaveletsOption,
                                            Control::StartButton, Control::StopButton};
    return Lookup(kButtons, button);
}

}  // namespace orvath
