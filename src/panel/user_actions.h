// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/controls.h"

namespace orvath {

// What a user does to the panel. The panel model carries it out directly; the
// desktop window does it to its widgets, which pass it on to the model.
class UserActions {
  public:
    virtual ~UserActions() = default;

    // Moves a bar to the value; a bar raises Change only when its value
    // changes. Values outside the bar's range are taken as its nearest end.
    virtual void MoveBar(Bar bar, int value) = 0;
    // Clicks a button; an option button that is already selected raises
    // nothing.
    virtual void Click(Button button) = 0;
    // Lets `count` timer intervals pass; ticks are delivered only while the
    // timer is enabled.
    virtual void DeliverTicks(int count) = 0;
    // Switches between the classic and the exact view.
    virtual void SetView(View view) = 0;
    // Shows or hides the partially reflected wave of the exact view.
    virtual void SetReflection(bool shown) = 0;
    // Shows or hides the exact view's key to its colours.
    virtual void SetKey(bool shown) = 0;
    // The mystery medium: hides the index behind one drawn from the seed,
    // judges what a student typed, and reveals the index, which ends it.
    virtual void StartMystery(int seed) = 0;
    virtual void Guess(std::string_view typed) = 0;
    virtual void RevealMystery() = 0;
};

}  // namespace orvath
