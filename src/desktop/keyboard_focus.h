// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace orvath {

class OrvathWindow;

// Lets Tab reach every control in the order on the screen: the bars top to
// bottom, then the options, the view switches and the buttons; and makes a
// focused bar's keys move it up with Right, Up and Page Up, down with Left,
// Down and Page Down, by its small and large change. The two options are one
// Tab stop, at the selected one; the arrow keys choose between them. Space on
// a focused switch or button works that control; elsewhere it stays the
// timer's key.
class ControlKeys : public QObject {
  public:
    explicit ControlKeys(OrvathWindow& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvath
