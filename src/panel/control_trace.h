// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "panel/control_observer.h"

namespace orvath {

// Writes the trace lines for what code does to the controls.
class ControlTrace : public ControlObserver {
  public:
    explicit ControlTrace(std::ostream& out) : out_(out) {}

    void Placed(ControlId id, const ControlRect& rect) override;
    void CaptionWritten(std::string_view label, std::string_view text) override;
    void ValueAssigned(std::string_view bar, int value) override;
    void TimerEnabledWritten(bool enabled) override;
    void Shown() override;

  private:
    std::ostream& out_;
};

}  // namespace orvath
