// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/media.h"
#include "text/translate.h"

namespace orvath {

// What the window's menu and the page's menu call the actions they share.
inline constexpr std::string_view kExactViewAction = "Exact view";
inline constexpr std::string_view kReflectionAction = "Reflected wave";
inline constexpr std::string_view kKeyAction = "Key to the colours";
inline constexpr std::string_view kSlowerAction = "Slower";
inline constexpr std::string_view kFasterAction = "Faster";
inline constexpr std::string_view kStepForwardAction = "One step forward";
inline constexpr std::string_view kStepBackAction = "One step back";
inline constexpr std::string_view kPeriodForwardAction = "One period forward";
inline constexpr std::string_view kPeriodBackAction = "One period back";
inline constexpr std::string_view kProjectorAction = "Projector theme";
inline constexpr std::string_view kTimerAction = "Start or stop the timer";
inline constexpr std::string_view kResetAction = "Back to the start values";
inline constexpr std::string_view kCopyPictureAction = "Copy picture";
inline constexpr std::string_view kInformationAction = "Information box";
inline constexpr std::string_view kMenuAction = "Menu";
inline constexpr std::string_view kMysteryAction = TrMark("Mystery medium");
inline constexpr std::string_view kGuessAction = TrMark("Type the index you measured…");
inline constexpr std::string_view kRevealAction = TrMark("Reveal the index");
inline constexpr std::string_view kNotesAction = TrMark("Notes for the teacher…");
inline constexpr std::string_view kZoomInAction = TrMark("Zoom in");
inline constexpr std::string_view kZoomOutAction = TrMark("Zoom out");
inline constexpr std::string_view kWholePictureAction = TrMark("Whole picture");
inline constexpr std::string_view kProtractorAction = TrMark("Protractor");
inline constexpr std::string_view kRulerAction = TrMark("Ruler");
// The submenus of the window's menu.
inline constexpr std::string_view kSpeedMenu = "Speed and steps";
inline constexpr std::string_view kMediaMenu = "Pair of media";

// "Air to water (1.33)", with the given decimal separator.
std::string MediaPairText(const MediaPair& pair, std::string_view decimalPoint);

}  // namespace orvath
