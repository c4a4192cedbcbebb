// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/panel_layout.h"

namespace orvath {
namespace {

ControlRect& At(PanelLayout& layout, Control control) {
    return layout.at(static_cast<std::size_t>(control));
}

// Design sizes in twips of the controls the layout does not size itself.
constexpr float kAngleLabelHeightTwips = 1095;
constexpr float kTimeLabelHeightTwips = 735;
constexpr float kWavesLabelHeightTwips = 855;
constexpr float kIndexBarWidthTwips = 4215;
constexpr float kIndexBarHeightTwips = 735;
constexpr float kIndexLabelWidthTwips = 3135;
constexpr float kIndexLabelHeightTwips = 975;
constexpr float kStartButtonWidthTwips = 2055;
constexpr float kStopButtonWidthTwips = 1815;
constexpr float kButtonHeightTwips = 975;

}  // namespace

PanelLayout LayOutPanel(const SimulationState& s) {
    const double frameHeight = s.yTop - s.yBottom;
    const auto fromTwips = [&](float twips) {
        return static_cast<float>(twips * frameHeight / s.screenScaleHeight);
    };
    const auto stored = [](double value) { return static_cast<float>(value); };
    const double w = static_cast<double>(s.xRight) - s.xLeft;

    PanelLayout layout{};
    At(layout, Control::AngleLabel).height = fromTwips(kAngleLabelHeightTwips);
    At(layout, Control::TimeLabel).height = fromTwips(kTimeLabelHeightTwips);
    At(layout, Control::WavesLabel).height = fromTwips(kWavesLabelHeightTwips);
    At(layout, Control::IndexBar) = {0, 0, fromTwips(kIndexBarWidthTwips),
                                     fromTwips(kIndexBarHeightTwips)};
    At(layout, Control::IndexLabel) = {0, 0, fromTwips(kIndexLabelWidthTwips),
                                       fromTwips(kIndexLabelHeightTwips)};
    At(layout, Control::StartButton) = {0, 0, fromTwips(kStartButtonWidthTwips),
                                        fromTwips(kButtonHeightTwips)};
    At(layout, Control::StopButton) = {0, 0, fromTwips(kStopButtonWidthTwips),
                                       fromTwips(kButtonHeightTwips)};

    auto& angleBar = At(layout, Control::AngleBar);
    auto& angleLabel = At(layout, Control::AngleLabel);
    auto& timeBar = At(layout, Control::TimeBar);
    auto& timeLabel = At(layout, Control::TimeLabel);
    auto& wavesBar = At(layout, Control::WavesBar);
    auto& wavesLabel = At(layout, Control::WavesLabel);
    auto& continuousOption = At(layout, Control::ContinuousOption);
    auto& waveletsOption = At(layout, Control::WaveletsOption);
    auto& indexBar = At(layout, Control::IndexBar);
    auto& indexLabel = At(layout, Control::IndexLabel);
    auto& startButton = At(layout, Control::StartButton);
    auto& stopButton = At(layout, Control::StopButton);

    // Rows in order; a row may read what an earlier row stored.
    angleBar.top = s.yTop;
    angleBar.left = s.xLeft;
    angleBar.height = stored(frameHeight / 40);
    angleBar.width = stored(w / 10);
    const double h = angleBar.height;
    angleLabel.left = stored(s.xLeft + w / 10);
    angleLabel.top = angleBar.top;
    angleLabel.width = stored(w / 4);
    timeBar.left = s.xLeft;
    timeBar.top = stored(s.yTop - h);
    timeBar.height = stored(frameHeight / 40);
    timeBar.width = stored(w / 10);
    timeLabel.left = stored(s.xLeft + w / 10);
    timeLabel.top = timeBar.top;
    timeLabel.width = angleLabel.width;
    wavesBar.top = stored(s.yTop - 2 * h);
    wavesBar.left = s.xLeft;
    wavesBar.height = stored(h);
    wavesBar.width = angleBar.width;
    wavesLabel.top = wavesBar.top;
    wavesLabel.left = stored(s.xLeft + w / 10);
    wavesLabel.width = angleLabel.width;
    continuousOption.top = stored(s.yTop - 3 * h);
    continuousOption.left = s.xLeft;
    continuousOption.height = stored(1.3 * h);
    continuousOption.width = stored(1.5 * (w / 10));
    waveletsOption.top = stored(s.yTop - 5 * h);
    waveletsOption.left = s.xLeft;
    waveletsOption.height = stored(1.3 * h);
    waveletsOption.width = stored(1.5 * (w / 10));
    startButton.top = timeBar.top;
    startButton.left = stored(static_cast<double>(angleLabel.left) + angleLabel.width);
    stopButton.top = startButton.top;
    stopButton.left = stored(static_cast<double>(startButton.left) + startButton.width);
    indexBar.top = stored(static_cast<double>(waveletsOption.top) - waveletsOption.height);
    indexBar.left = waveletsOption.left;
    indexLabel.top = stored(static_cast<double>(indexBar.top) - indexBar.height);
    indexLabel.left = indexBar.left;
    return layout;
}

}  // namespace orvath
