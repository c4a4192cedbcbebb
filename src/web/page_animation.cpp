// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_animation.h"

#include "model/animation_run.h"
#include "model/world_frame.h"

namespace orvath::web {

PageAnimation::PageAnimation(const PanelSettings& settings, Theme theme, TimerSpeed speed,
                             int width, int height)
    : width_(width),
      height_(height),
      theme_(theme),
      times_(AnimationFrameTimes(0, SettingOf(Bar::Time).max, kAnimationFramesPerSecond, speed)) {
    ApplyViewSettings(settings, panel_);
    panel_.SetTheme(theme);
    panel_.StartUp(static_cast<float>(width * kTwipsPerPixel),
                   static_cast<float>(height * kTwipsPerPixel));
    PanelSettings bars = settings;
    bars[Bar::Time].reset();
    ApplySettings(bars, panel_);
}

std::string PageAnimation::Open() {
    if (std::string limit = AnimationLimitError(width_, height_, times_.size()); !limit.empty()) {
        return limit;
    }
    bytes_.clear();
    rgba_.resize(static_cast<std::size_t>(width_) * height_ * 4);
    frame_.resize(static_cast<std::size_t>(width_) * height_);
    return writer_.Open(
        [this](const std::uint8_t* bytes, std::size_t count) {
            bytes_.insert(bytes_.end(), bytes, bytes + count);
            return true;
        },
        width_, height_);
}

const PackedPicture& PageAnimation::NextPicture() {
    const std::size_t next = static_cast<std::size_t>(FramesDone());
    panel_.MoveBar(Bar::Time, times_.at(next));
    PackPicture(picture_, width_, height_, theme_, packed_);
    return packed_;
}

std::string PageAnimation::AddPaintedFrame() {
    if (FramesDone() >= FrameCount()) {
        return "every frame is in";
    }
    for (std::size_t i = 0; i < frame_.size(); ++i) {
        const std::uint8_t* p = &rgba_[4 * i];
        frame_[i] = 0xff000000u | (Argb{p[0]} << 16) | (Argb{p[1]} << 8) | p[2];
    }
    const int delay = FrameDelayCentiseconds(FramesDone(), kAnimationFramesPerSecond);
    return writer_.AddFrame({frame_.data(), width_, height_, width_}, delay);
}

std::string PageAnimation::Finish() {
    if (FramesDone() < FrameCount()) {
        writer_.Close();
        return "the animation has " + std::to_string(FramesDone()) + " of its " +
               std::to_string(FrameCount()) + " frames";
    }
    return writer_.Finish();
}

}  // namespace orvath::web
