// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the whole run (time 0 to 5000) as an animated GIF the way the export
// will: the picture after start-up on a client of the animation's size, the
// time bar moved for each frame, painted, and added to the file. Prints the
// time spent painting and writing, and the file's size.
// Usage: orvath_animation_gif FILE.gif [wavelets|continuous] [WIDTHxHEIGHT] [FPS]
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "desktop/animation_file.h"
#include "desktop/fonts.h"
#include "desktop/orvath_window.h"
#include "desktop/picture_file.h"

int main(int argc, char* argv[]) {
    using namespace orvath;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.gif [wavelets|continuous] [WxH] [FPS]\n", argv[0]);
        return 2;
    }
    const bool continuous = argc > 2 && std::strcmp(argv[2], "continuous") == 0;
    int width = 960;
    int height = 540;
    if (argc > 3 && std::sscanf(argv[3], "%dx%d", &width, &height) != 2) {
        return 2;
    }
    const double framesPerSecond = argc > 4 ? std::atof(argv[4]) : 25;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();

    const QSize size(width, height);
    OrvathWindow form({.realTimeTimer = false});
    form.StartUp({QRect(QPoint(0, 0), size)});
    form.Click(continuous ? Button::Continuous : Button::Wavelets);

    constexpr int kLastTime = 5000;
    const double stepsPerFrame = 1000 / framesPerSecond;  // the timer runs 1000 steps a second
    AnimationFile file;
    QElapsedTimer clock;
    clock.start();
    QString error = file.Open(QString::fromLocal8Bit(argv[1]), size);
    qint64 paintNs = 0;
    qint64 writeNs = 0;
    int frames = 0;
    for (bool last = false; error.isEmpty() && !last;) {
        const int time = std::min(qRound(frames * stepsPerFrame), kLastTime);
        last = time == kLastTime;
        const qint64 started = clock.nsecsElapsed();
        form.MoveBar(Bar::Time, time);
        const QImage picture = RenderPicture(form.CanvasWidget().Picture(), form.font(), size);
        const qint64 painted = clock.nsecsElapsed();
        error = file.AddFrame(picture, FrameDelayCentiseconds(frames++, framesPerSecond));
        paintNs += painted - started;
        writeNs += clock.nsecsElapsed() - painted;
    }
    const qint64 started = clock.nsecsElapsed();
    if (error.isEmpty()) {
        error = file.Finish();
    }
    writeNs += clock.nsecsElapsed() - started;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    std::printf("%d frames %dx%d: painting %.2f s, writing %.2f s (%.1f ms a frame), %.2f MB\n",
                frames, width, height, paintNs / 1e9, writeNs / 1e9, writeNs / 1e6 / frames,
                QFileInfo(QString::fromLocal8Bit(argv[1])).size() / 1e6);
    return 0;
}
