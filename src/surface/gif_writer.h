// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "surface/frame_palette.h"

namespace orvath {

// The delay of frame `frame` (counted from 0) of an animation played at
// `framesPerSecond` (> 0), in the hundredths of a second that GIF counts in.
// The rounding is spread over the frames so that they add up to the right
// time: at 30 frames a second the delays go 3, 4, 3, 3, 4, 3, ...
int FrameDelayCentiseconds(int frame, double framesPerSecond);

// Encodes an animated GIF that loops forever, one frame at a time, into a
// sink of bytes, so that a long animation is never held in memory: the
// writer keeps only the last frame, to write of the next one just the
// rectangle that changed. Every frame gets a palette of its own made from
// its own colours (frame_palette.h), and nothing is dithered. The window's
// files and the page's downloads are written by it alike. Errors are one
// line; after one, the writer is closed.
class GifWriter {
  public:
    // Takes the next bytes; false stops the writer (the sink knows why).
    using Sink = std::function<bool(const std::uint8_t* bytes, std::size_t count)>;

    // Starts an animation of frames of width x height pixels.
    std::string Open(Sink sink, int width, int height);
    // Adds a frame of the animation's size (alpha is ignored), shown for
    // `delayCentiseconds` (0 to 65535).
    std::string AddFrame(const PixelView& frame, int delayCentiseconds);
    // Ends the animation; it needs a frame.
    std::string Finish();
    void Close();

    bool IsOpen() const { return static_cast<bool>(sink_); }
    int Frames() const { return frames_; }

  private:
    bool Put(const std::vector<std::uint8_t>& bytes);
    std::string Fail(std::string error);

    Sink sink_;
    int width_ = 0;
    int height_ = 0;
    int frames_ = 0;
    std::vector<Argb> last_;  // the frame before, to write only what changed
};

}  // namespace orvath
