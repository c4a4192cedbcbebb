// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

#include "desktop/animation_file.h"
#include "model/animation_run.h"
#include "model/timer_speed.h"
#include "panel/panel.h"
#include "panel/settings.h"
#include "surface/display_list.h"
#include "surface/theme.h"

namespace orvath {

// What an animation for slides shows: the pictures of the panel with these
// settings while the time bar runs from one value to another, at the
// timer's pace for the speed (1000 steps a second at full speed), painted in
// the theme at the frame rate and size.
struct AnimationSettings {
    PanelSettings panel;  // the view, the mode and the bars; the time is run
    Theme theme = Theme::Classic;
    TimerSpeed speed = TimerSpeed::Full;
    int fromTime = 0;  // the time bar's first and last value
    int toTime = 5000;
    int framesPerSecond = kAnimationFramesPerSecond;
    QSize size{kAnimationWidth, kAnimationHeight};
};

// The time bar's value in each frame (see AnimationFrameTimes).
std::vector<int> FrameTimes(const AnimationSettings& settings);

// Writes an animated GIF one frame at a time, so that the caller can tell
// how far it is and stop between frames. Each frame is the panel's picture,
// drawn headless on a display list of the animation's size as the window
// draws it, painted as the canvas paints it. The file is written whole or
// not at all (see AnimationFile); errors are one line. Open refuses an
// animation beyond the limits of animation_run.h.
class AnimationExport {
  public:
    explicit AnimationExport(const AnimationSettings& settings);

    QString Open(const QString& path);
    // Draws, paints and adds the next frame.
    QString AddNextFrame();
    // Ends the file once every frame is in and puts it in place.
    QString Finish();
    // Drops the file.
    void Cancel();

    const AnimationSettings& Settings() const { return settings_; }
    int FramesDone() const { return static_cast<int>(next_); }
    int FrameCount() const { return static_cast<int>(times_.size()); }
    bool AllFramesDone() const { return next_ == times_.size(); }

  private:
    AnimationSettings settings_;
    std::vector<int> times_;
    std::size_t next_ = 0;
    DisplayList picture_;
    Panel panel_{picture_};
    AnimationFile file_;
};

}  // namespace orvath
