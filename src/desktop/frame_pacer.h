// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace orvath {

// Lets a window repaint at most once per display frame. Qt asks a window to
// bring its changed widgets up to date with an update request; requests that
// come before the next frame is due are held, and one is delivered when it is
// due, for all of them. Frames are due on a fixed grid of the display's
// period, so a late one does not push the later ones back. Exposed areas are
// painted at once, as they do not go through update requests.
class FramePacer : public QObject {
  public:
    explicit FramePacer(QWidget& window);

    // One display frame, in ms.
    double FrameMilliseconds() const { return frameMs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    double Now() const;
    // Moves the next due time on from a repaint that starts now.
    void Repainting(double now);
    void Release();

    QWidget& window_;
    double frameMs_;
    QElapsedTimer clock_;
    double nextDue_ = 0;  // ms on clock_
    QTimer held_;         // runs while an update request is held
    bool releasing_ = false;
};

}  // namespace orvath
