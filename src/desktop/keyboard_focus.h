// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath {

class OrvathWindow;

// Lets Tab reach every bar, option, view switch and button in panel order,
// and makes a focused bar's keys move it up with Right, Up and Page Up, down
// with Left, Down and Page Down, by its small and large change. The two
// options are one Tab stop, at the selected one; the arrow keys choose
// between them.
void LetKeysReachEveryControl(OrvathWindow& window);

}  // namespace orvath
