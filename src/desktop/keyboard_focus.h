// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QShortcut>
#include <functional>

namespace orvath {

class OrvathWindow;

// What the window's keys do.
struct ShortcutHandlers {
    std::function<void()> savePicture;        // Ctrl+S
    std::function<void()> copyPicture;        // Ctrl+C
    std::function<void()> resetBars;          // Ctrl+R
    std::function<void()> startOrStopTimer;   // Space
    std::function<void()> toggleInformation;  // F1
    std::function<void()> toggleView;         // E
    std::function<void()> toggleReflection;   // R
};

// The window's keyboard shortcuts, active wherever the focus is in it.
class Shortcuts {
  public:
    Shortcuts(QWidget& window, const ShortcutHandlers& handlers);

  private:
    QShortcut save_;
    QShortcut copy_;
    QShortcut reset_;
    QShortcut timer_;
    QShortcut information_;
    QShortcut view_;
    QShortcut reflection_;
};

// Lets Tab reach every bar, option, view switch and button in panel order,
// and makes a
// focused bar's keys move it up with Right, Up and Page Up, down with Left,
// Down and Page Down, by its small and large change. The two options are one
// Tab stop, at the selected one; the arrow keys choose between them.
void LetKeysReachEveryControl(OrvathWindow& window);

}  // namespace orvath
