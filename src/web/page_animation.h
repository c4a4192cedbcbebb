// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/animation_run.h"
#include "model/timer_speed.h"
#include "panel/panel.h"
#include "panel/settings.h"
#include "surface/display_list.h"
#include "surface/gif_writer.h"
#include "surface/theme.h"
#include "web/packed_picture.h"

namespace orvath::web {

// The page's "save animation": the time bar's whole run at the timer's pace
// for the speed, as the window saves it (the same frame times, size, delays
// and GIF writer): a headless panel with the settings shown, drawn on a
// display list of the animation's size and packed for the page's painter;
// the script paints each frame and hands its pixels back. The GIF is kept
// in memory for the download; nothing is left of a failed or cancelled one.
class PageAnimation {
  public:
    PageAnimation(const PanelSettings& settings, Theme theme, TimerSpeed speed,
                  int width = kAnimationWidth, int height = kAnimationHeight);

    // Why the animation cannot be made, or an empty string.
    std::string Open();
    int FrameCount() const { return static_cast<int>(times_.size()); }
    int FramesDone() const { return writer_.Frames(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The next frame's picture, to be painted at the animation's size.
    const PackedPicture& NextPicture();
    // Where the painted frame's RGBA pixels go, row by row.
    std::uint8_t* PixelBuffer() { return rgba_.data(); }
    // Adds the frame painted into the pixel buffer.
    std::string AddPaintedFrame();
    // Ends the GIF once every frame is in.
    std::string Finish();
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  private:
    int width_;
    int height_;
    Theme theme_;
    std::vector<int> times_;
    DisplayList picture_;
    Panel panel_{picture_};
    PackedPicture packed_;
    std::vector<std::uint8_t> rgba_;
    std::vector<Argb> frame_;
    std::vector<std::uint8_t> bytes_;
    GifWriter writer_;
};

}  // namespace orvath::web
