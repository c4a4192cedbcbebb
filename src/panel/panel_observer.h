// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/controls.h"
#include "model/mystery.h"
#include "model/panel_layout.h"
#include "model/timer_speed.h"

namespace orvath {

// Watches what the panel does to its controls. The headless trace prints the
// placements, captions, assigned values, timer writes and Show; a window or a
// web page mirrors everything onto its widgets. Every call has an empty
// default, so a watcher overrides only what it shows.
class PanelObserver {
  public:
    virtual ~PanelObserver() = default;

    // Start-up places a control, in world units.
    virtual void Placed(Control /*control*/, const ControlRect& /*rect*/) {}
    // Start-up sets a label's font size in points.
    virtual void LabelFontSet(Control /*label*/, double /*points*/) {}
    // A label's caption is written, also with the text it already shows.
    virtual void CaptionWritten(Control /*label*/, std::string_view /*text*/) {}
    // Code assigns a bar's value, before the Change that assignment raises.
    virtual void ValueAssigned(Bar /*bar*/, int /*value*/) {}
    // A bar's value has changed, by the user or by code, and its handler
    // has run.
    virtual void BarChanged(Bar /*bar*/, int /*value*/) {}
    // An option button has become the selected one.
    virtual void OptionSelected(DisplayMode /*mode*/) {}
    // The view or the reflection switch has changed.
    virtual void ViewChanged(View /*view*/) {}
    virtual void ReflectionChanged(bool /*shown*/) {}
    // The exact view's key has been shown or hidden.
    virtual void KeyChanged(bool /*shown*/) {}
    // Code writes the timer's Enabled, also with the value it already has.
    virtual void TimerEnabledWritten(bool /*enabled*/) {}
    // The timer's speed in real time has changed.
    virtual void SpeedChanged(TimerSpeed /*speed*/) {}
    // The timer has stopped itself at the end of the time bar.
    virtual void TimeEnded() {}
    // Start-up shows the window.
    virtual void Shown() {}
    // A new picture is complete on the surface.
    virtual void PictureChanged() {}
    // A mystery medium was started, an answer judged, the index revealed.
    virtual void MysteryStarted(int /*seed*/) {}
    virtual void Guessed(std::string_view /*typed*/, const GuessVerdict& /*verdict*/) {}
    virtual void MysteryRevealed(int /*indexTimes100*/) {}
};

}  // namespace orvath
