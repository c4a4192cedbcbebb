// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/animation_export.h"

#include <cmath>

#include "desktop/fonts.h"
#include "desktop/picture_file.h"
#include "model/world_frame.h"

namespace orvath {
namespace {

constexpr double kMillisecondsPerSecond = 1000;

}  // namespace

std::vector<int> FrameTimes(const AnimationSettings& settings) {
    const double stepsPerFrame =
        kMillisecondsPerSecond / settings.framesPerSecond / MillisecondsPerTick(settings.speed);
    std::vector<int> times;
    for (int frame = 0;; ++frame) {
        const auto time = settings.fromTime + static_cast<int>(std::lround(frame * stepsPerFrame));
        if (time >= settings.toTime) {
            break;
        }
        times.push_back(time);
    }
    times.push_back(settings.toTime);
    return times;
}

AnimationExport::AnimationExport(const AnimationSettings& settings)
    : settings_(settings), times_(FrameTimes(settings)) {
    ApplyViewSettings(settings.panel, panel_);
    panel_.StartUp(static_cast<float>(settings.size.width() * kTwipsPerPixel),
                   static_cast<float>(settings.size.height() * kTwipsPerPixel));
    PanelSettings bars = settings.panel;
    bars[Bar::Time].reset();
    ApplySettings(bars, panel_);
}

QString AnimationExport::Open(const QString& path) {
    next_ = 0;
    return file_.Open(path, settings_.size);
}

QString AnimationExport::AddNextFrame() {
    if (AllFramesDone()) {
        return QStringLiteral("every frame is written");
    }
    panel_.MoveBar(Bar::Time, times_[next_]);
    const QImage frame = RenderPicture(picture_, PrintFont(), settings_.size, settings_.theme);
    if (frame.isNull()) {
        file_.Cancel();
        return QStringLiteral("not enough memory for a %1x%2 picture")
            .arg(settings_.size.width())
            .arg(settings_.size.height());
    }
    const int delay = FrameDelayCentiseconds(static_cast<int>(next_), settings_.framesPerSecond);
    const QString error = file_.AddFrame(frame, delay);
    if (error.isEmpty()) {
        ++next_;
    }
    return error;
}

QString AnimationExport::Finish() {
    return file_.Finish();
}

void AnimationExport::Cancel() {
    file_.Cancel();
}

}  // namespace orvath
