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
    const double frameHeight = s.YTop - s.YBottom;
    const auto fromTwips = [&](float twips) {
        return static_cast<float>(twips * frameHeight / s.ScreenScaleHeight);
    };
    const auto stored = [](double value) { return static_cast<float>(value); };
    const double W = static_cast<double>(s.XRight) - s.XLeft;

    PanelLayout layout{};
    At(layout, Control::AngleLabel).Height = fromTwips(kAngleLabelHeightTwips);
    At(layout, Control::TimeLabel).Height = fromTwips(kTimeLabelHeightTwips);
    At(layout, Control::WavesLabel).Height = fromTwips(kWavesLabelHeightTwips);
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
    angleBar.Top = s.YTop;
    angleBar.Left = s.XLeft;
    angleBar.Height = stored(frameHeight / 40);
    angleBar.Width = stored(W / 10);
    const double h = angleBar.Height;
    angleLabel.Left = stored(s.XLeft + W / 10);
    angleLabel.Top = angleBar.Top;
    angleLabel.Width = stored(W / 4);
    timeBar.Left = s.XLeft;
    timeBar.Top = stored(s.YTop - h);
    timeBar.Height = stored(frameHeight / 40);
    timeBar.Width = stored(W / 10);
    timeLabel.Left = stored(s.XLeft + W / 10);
    timeLabel.Top = timeBar.Top;
    timeLabel.Width = angleLabel.Width;
    wavesBar.Top = stored(s.YTop - 2 * h);
    wavesBar.Left = s.XLeft;
    wavesBar.Height = stored(h);
    wavesBar.Width = angleBar.Width;
    wavesLabel.Top = wavesBar.Top;
    wavesLabel.Left = stored(s.XLeft + W / 10);
    wavesLabel.Width = angleLabel.Width;
    continuousOption.Top = stored(s.YTop - 3 * h);
    continuousOption.Left = s.XLeft;
    continuousOption.Height = stored(1.3 * h);
    continuousOption.Width = stored(1.5 * (W / 10));
    waveletsOption.Top = stored(s.YTop - 5 * h);
    waveletsOption.Left = s.XLeft;
    waveletsOption.Height = stored(1.3 * h);
    waveletsOption.Width = stored(1.5 * (W / 10));
    startButton.Top = timeBar.Top;
    startButton.Left = stored(static_cast<double>(angleLabel.Left) + angleLabel.Width);
    stopButton.Top = startButton.Top;
    stopButton.Left = stored(static_cast<double>(startButton.Left) + startButton.Width);
    indexBar.Top = stored(static_cast<double>(waveletsOption.Top) - waveletsOption.Height);
    indexBar.Left = waveletsOption.Left;
    indexLabel.Top = stored(static_cast<double>(indexBar.Top) - indexBar.Height);
    indexLabel.Left = indexBar.Left;
    return layout;
}

}  // namespace orvath
