// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

struct GifFileType;

namespace orvath {

class WholeFile;

// The delay of frame `frame` (counted from 0) of an animation played at
// `framesPerSecond` (> 0), in the hundredths of a second that GIF counts in.
// The rounding is spread over the frames so that they add up to the right
// time: at 30 frames a second the delays go 3, 4, 3, 3, 4, 3, ...
int FrameDelayCentiseconds(int frame, double framesPerSecond);

// Writes an animated GIF that loops forever, one frame at a time, so that a
// long animation is never held in memory: the writer keeps only the last
// frame, to write of the next one just the rectangle that changed. Every
// frame gets a palette of its own made from its own colours (see
// frame_palette.h), and nothing is dithered: a frame of at most 256
// colours is kept exactly; in a richer one the lines' colours stay within a
// few levels (a solid line's, in practice, exact) and the antialiased blends
// close to theirs.
//
// The file is written whole or not at all (see WholeFile) and put in place
// by Finish. Any error, Cancel, or the end of the writer before Finish drops
// what was written and leaves an earlier file of that name as it was. Errors
// are one line, to follow "FILE: ".
class AnimationFile {
  public:
    AnimationFile();
    ~AnimationFile();
    AnimationFile(const AnimationFile&) = delete;
    AnimationFile& operator=(const AnimationFile&) = delete;

    // Starts an animation of frames of `size` pixels at `path`, dropping an
    // unfinished one.
    QString Open(const QString& path, QSize size);
    // Adds a frame of the animation's size, shown for `delayCentiseconds`
    // (0 to 65535). Frames are opaque: alpha is ignored.
    QString AddFrame(const QImage& frame, int delayCentiseconds);
    // Ends the animation (it needs a frame) and puts the file in place.
    QString Finish();
    // Drops the unfinished animation, if there is one.
    void Cancel();

    bool IsOpen() const { return gif_ != nullptr; }

  private:
    struct GifCloser {
        void operator()(GifFileType* gif) const;
    };

    // Drops the animation and returns `error`.
    QString Fail(const QString& error);
    // The error of the last giflib call that failed.
    QString GifError(int code) const;

    std::unique_ptr<WholeFile> file_;
    std::unique_ptr<GifFileType, GifCloser> gif_;  // writes into file_
    QSize size_;
    int frames_ = 0;
    QImage last_;  // the frame before, to write only what changed
};

}  // namespace orvath
