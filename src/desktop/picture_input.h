// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "panel/picture_hands.h"

namespace orvath {

class Canvas;
class Panel;
class UserActions;

// Passes the mouse, pen, touch and wheel events on the canvas to the hands
// on the picture, and shows what they do: the canvas's zoom and handles,
// and a pointer that says what a press would take hold of.
class PictureInput : public QObject {
  public:
    PictureInput(Canvas& canvas, const Panel& panel, UserActions& actions);

    PictureHands& Hands() { return hands_; }
    const PictureHands& Hands() const { return hands_; }
    // Shows the zoom and puts the handles on the rays of the picture now.
    void ShowHands();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowPointer(HandHint hint);

    Canvas& canvas_;
    PictureHands hands_;
};

}  // namespace orvath
