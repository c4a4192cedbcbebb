// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/panel_layout.h"

namespace orvath {

// Watches what code does to the controls: placements, captions, values that
// code assigns to bars, the timer's Enabled property and the form's Show.
// The window uses the silent default; the headless trace prints each one.
class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void Placed(ControlId, const ControlRect&) {}
    virtual void CaptionWritten(std::string_view /*label*/, std::string_view /*text*/) {}
    virtual void ValueAssigned(std::string_view /*bar*/, int /*value*/) {}
    virtual void TimerEnabledWritten(bool /*enabled*/) {}
    virtual void Shown() {}
};

}  // namespace orvath
