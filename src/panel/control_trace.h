// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "panel/panel_observer.h"

namespace orvath {

// Writes the trace lines for what the panel does to its controls.
class ControlTrace : public PanelObserver {
  public:
    explicit ControlTrace(std::ostream& out) : out_(out) {}

    void Placed(Control control, const ControlRect& rect) override;
    void CaptionWritten(Control label, std::string_view text) override;
    void ValueAssigned(Bar bar, int value) override;
    void TimerEnabledWritten(bool enabled) override;
    void Shown() override;
    void MysteryStarted(int seed) override;
    void Guessed(std::string_view typed, const GuessVerdict& verdict) override;
    void MysteryRevealed(int indexTimes100) override;

  private:
    std::ostream& out_;
};

}  // namespace orvath
