// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orvath {
namespace {

// The refresh rate assumed where the screen does not tell its own.
constexpr double kDefaultRefreshHz = 60;

double FrameMillisecondsOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    const double hz =
        screen != nullptr && screen->refreshRate() >= 1 ? screen->refreshRate() : kDefaultRefreshHz;
    return 1000 / hz;
}

}  // namespace

FramePacer::FramePacer(QWidget& window) : window_(window), frameMs_(FrameMillisecondsOf(window)) {
    clock_.start();
    held_.setSingleShot(true);
    held_.setTimerType(Qt::PreciseTimer);
    connect(&held_, &QTimer::timeout, this, [this] { Release(); });
    window.installEventFilter(this);
}

double FramePacer::Now() const {
    return static_cast<double>(clock_.nsecsElapsed()) / 1e6;
}

void FramePacer::Repainting(double now) {
    // Within a frame of the grid the grid is kept; after a longer pause it
    // starts again from now.
    nextDue_ = now - nextDue_ < frameMs_ ? nextDue_ + frameMs_ : now + frameMs_;
}

bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::UpdateRequest || releasing_) {
        return false;
    }
    if (held_.isActive()) {
        return true;
    }
    const double now = Now();
    if (now >= nextDue_) {
        Repainting(now);
        return false;
    }
    held_.start(static_cast<int>(std::ceil(nextDue_ - now)));
    return true;
}

void FramePacer::Release() {
    Repainting(Now());
    releasing_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window_, &request);
    releasing_ = false;
}

}  // namespace orvath
