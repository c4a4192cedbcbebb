// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "surface/gif_writer.h"

namespace orvath {

class WholeFile;

// Writes an animated GIF (surface/gif_writer.h) into a file. Every frame gets
// a palette of its own made from its own colours (see
// surface/frame_palette.h), and nothing is dithered: a frame of at most 256
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

    bool IsOpen() const { return gif_.IsOpen(); }

  private:
    // Drops the animation and returns the file's error, or else `error`.
    QString Fail(const std::string& error);

    std::unique_ptr<WholeFile> file_;
    GifWriter gif_;  // writes into file_
};

}  // namespace orvath
