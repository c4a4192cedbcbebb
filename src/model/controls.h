// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace orvath {

// The panel's controls, in the order start-up places them.
enum class Control : std::size_t {
    AngleBar,
    AngleLabel,
    TimeBar,
    TimeLabel,
    WavesBar,
    WavesLabel,
    ContinuousOption,
    WaveletsOption,
    IndexBar,
    IndexLabel,
    StartButton,
    StopButton,
};
inline constexpr std::size_t kControlCount = 12;

// Every control, in placement order.
inline constexpr std::array kControls = {
    Control::AngleBar, Control::AngleLabel, Control::TimeBar,          Control::TimeLabel,
    Control::WavesBar, Control::WavesLabel, Control::ContinuousOption, Control::WaveletsOption,
    Control::IndexBar, Control::IndexLabel, Control::StartButton,      Control::StopButton,
};
static_assert(kControls.size() == kControlCount);

// The control's name: what the trace prints, the window's object names and
// the screen-reader texts are keyed by ("prosptosis", "Label1", ...).
std::string_view ControlName(Control control);

// The four bars, in the order settings are applied to them.
enum class Bar { Angle, Index, Waves, Time };
inline constexpr std::array<Bar, 4> kBars = {Bar::Angle, Bar::Index, Bar::Waves, Bar::Time};

// The buttons a user clicks: the two options and the two timer buttons.
enum class Button { Continuous, Wavelets, Start, Stop };

// The display mode the options choose.
enum class DisplayMode { Wavelets, Continuous };

// How either picture is drawn: as the classic construction, or exactly as
// physics has it.
enum class View { Classic, Exact };

Control BarControl(Bar bar);
// The label that shows the bar's value.
Control LabelControl(Bar bar);
Control ButtonControl(Button button);

}  // namespace orvath
