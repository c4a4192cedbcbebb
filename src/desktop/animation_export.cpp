// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/animation_export.h"

#include "desktop/fonts.h"
#include "desktop/picture_file.h"
#include "model/animation_run.h"
#include "model/world_frame.h"

namespace orvath {

std::vector<int> FrameTimes(const AnimationSettings& settings) {
    return AnimationFrameTimes(settings.fromTime, settings.toTime, settings.framesPerSecond,
                               settings.speed);
}

AnimationExport::AnimationExport(const AnimationSettings& settings)
    : settings_(settings), times_(FrameTimes(settings)) {
    ApplyViewSettings(settings.panel, panel_);
    panel_.SetTheme(settings.theme);
    panel_.StartUp(static_cast<float>(settings.size.width() * kTwipsPerPixel),
                   static_cast<float>(settings.size.height() * kTwipsPerPixel));
    PanelSettings bars = settings.panel;
    bars[Bar::Time].reset();
    ApplySettings(bars, panel_);
}

QString AnimationExport::Open(const QString& path) {
    next_ = 0;
    const std::string limit =
        AnimationLimitError(settings_.size.width(), settings_.size.height(), times_.size());
    if (!limit.empty()) {
        file_.Cancel();
        return QString::fromStdString(limit);
    }
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
