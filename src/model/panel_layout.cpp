// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/panel_layout.h"

namespace orvath {
namespace {

ControlRect& At(PanelLayout& layout, ControlId id) {
    return layout[static_cast<std::size_t>(id)];
}

// Design sizes in twips of the controls the layout does not size itself.
constexpr float kLabel1HeightTwips = 1095;
constexpr float kLabel2HeightTwips = 735;
constexpr float kLabel3HeightTwips = 855;
constexpr float kIndexBarWidthTwips = 4215;
constexpr float kIndexBarHeightTwips = 735;
constexpr float kLabel4WidthTwips = 3135;
constexpr float kLabel4HeightTwips = 975;
constexpr float kCommand1WidthTwips = 2055;
constexpr float kCommand2WidthTwips = 1815;
constexpr float kCommandHeightTwips = 975;

}  // namespace

std::string_view ControlName(ControlId id) {
    static constexpr std::array<std::string_view, kPlacedControls> kNames = {
        "prosptosis", "Label1",  "xronos", "Label2", "arithkyMATON", "Label3",
        "Option1",    "Option2", "N_REFR", "Label4", "Command1",     "Command2",
    };
    return kNames[static_cast<std::size_t>(id)];
}

PanelLayout LayOutPanel(const SimulationState& s) {
    const double frameHeight = s.YTop - s.YBottom;
    const auto fromTwips = [&](float twips) {
        return static_cast<float>(twips * frameHeight / s.ScreenScaleHeight);
    };
    const auto stored = [](double value) { return static_cast<float>(value); };
    const double W = static_cast<double>(s.XRight) - s.XLeft;

    PanelLayout layout{};
    At(layout, ControlId::Label1).Height = fromTwips(kLabel1HeightTwips);
    At(layout, ControlId::Label2).Height = fromTwips(kLabel2HeightTwips);
    At(layout, ControlId::Label3).Height = fromTwips(kLabel3HeightTwips);
    At(layout, ControlId::N_REFR) = {0, 0, fromTwips(kIndexBarWidthTwips),
                                     fromTwips(kIndexBarHeightTwips)};
    At(layout, ControlId::Label4) = {0, 0, fromTwips(kLabel4WidthTwips),
                                     fromTwips(kLabel4HeightTwips)};
    At(layout, ControlId::Command1) = {0, 0, fromTwips(kCommand1WidthTwips),
                                       fromTwips(kCommandHeightTwips)};
    At(layout, ControlId::Command2) = {0, 0, fromTwips(kCommand2WidthTwips),
                                       fromTwips(kCommandHeightTwips)};

    auto& angle = At(layout, ControlId::prosptosis);
    auto& label1 = At(layout, ControlId::Label1);
    auto& time = At(layout, ControlId::xronos);
    auto& label2 = At(layout, ControlId::Label2);
    auto& waves = At(layout, ControlId::arithkyMATON);
    auto& label3 = At(layout, ControlId::Label3);
    auto& option1 = At(layout, ControlId::Option1);
    auto& option2 = At(layout, ControlId::Option2);
    auto& index = At(layout, ControlId::N_REFR);
    auto& label4 = At(layout, ControlId::Label4);
    auto& command1 = At(layout, ControlId::Command1);
    auto& command2 = At(layout, ControlId::Command2);

    // Rows in order; a row may read what an earlier row stored.
    angle.Top = s.YTop;
    angle.Left = s.XLeft;
    angle.Height = stored(frameHeight / 40);
    angle.Width = stored(W / 10);
    const double h = angle.Height;
    label1.Left = stored(s.XLeft + W / 10);
    label1.Top = angle.Top;
    label1.Width = stored(W / 4);
    time.Left = s.XLeft;
    time.Top = stored(s.YTop - h);
    time.Height = stored(frameHeight / 40);
    time.Width = stored(W / 10);
    label2.Left = stored(s.XLeft + W / 10);
    label2.Top = time.Top;
    label2.Width = label1.Width;
    waves.Top = stored(s.YTop - 2 * h);
    waves.Left = s.XLeft;
    waves.Height = stored(h);
    waves.Width = angle.Width;
    label3.Top = waves.Top;
    label3.Left = stored(s.XLeft + W / 10);
    label3.Width = label1.Width;
    option1.Top = stored(s.YTop - 3 * h);
    option1.Left = s.XLeft;
    option1.Height = stored(1.3 * h);
    option1.Width = stored(1.5 * (W / 10));
    option2.Top = stored(s.YTop - 5 * h);
    option2.Left = s.XLeft;
    option2.Height = stored(1.3 * h);
    option2.Width = stored(1.5 * (W / 10));
    command1.Top = time.Top;
    command1.Left = stored(static_cast<double>(label1.Left) + label1.Width);
    command2.Top = command1.Top;
    command2.Left = stored(static_cast<double>(command1.Left) + command1.Width);
    index.Top = stored(static_cast<double>(option2.Top) - option2.Height);
    index.Left = option2.Left;
    label4.Top = stored(static_cast<double>(index.Top) - index.Height);
    label4.Left = index.Left;
    return layout;
}

}  // namespace orvath
