// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "desktop/frame_pacer.h"

namespace orvath {
namespace {

// A window that counts its paints and remembers which state it last showed.
class CountingWindow : public QWidget {
  public:
    int paints = 0;
    int state = 0;
    int shown = -1;

  protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        shown = state;
    }
};

void RunEventsFor(qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// Changes the window's state and asks for a repaint as fast as the event
// loop allows, for `ms`; returns how many changes were made.
int ChangeContinuouslyFor(CountingWindow& window, qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    while (clock.elapsed() < ms) {
        ++window.state;
        window.update();
        QCoreApplication::processEvents();
        ++changes;
    }
    return changes;
}

TEST(FramePacer, ManyChangesWithinAFrameCostOnePaintAndTheLatestIsShown) {
    CountingWindow window;
    window.resize(200, 100);
    window.show();
    RunEventsFor(50);
    const FramePacer pacer(window);
    const int before = window.paints;

    constexpr qint64 kChangingMs = 200;
    const int changes = ChangeContinuouslyFor(window, kChangingMs);
    // Two frames' time for the held request to come through.
    RunEventsFor(static_cast<qint64>(2 * pacer.FrameMilliseconds()) + 10);

    const int paints = window.paints - before;
    ASSERT_GT(changes, 4 * paints);
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, kChangingMs / pacer.FrameMilliseconds() + 3);
    EXPECT_EQ(window.shown, window.state);
}

TEST(FramePacer, TheFirstChangeAfterAPauseIsPaintedAtOnce) {
    CountingWindow window;
    window.resize(200, 100);
    window.show();
    RunEventsFor(50);
    const FramePacer pacer(window);
    RunEventsFor(static_cast<qint64>(2 * pacer.FrameMilliseconds()));

    ++window.state;
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.shown, window.state);
}

}  // namespace
}  // namespace orvath
