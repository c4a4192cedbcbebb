// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/panel_layout.h"
#include "model/world_frame.h"

namespace orvath {
namespace {

ControlRect Rect(const PanelLayout& layout, Control id) {
    return At(layout, id);
}

TEST(WorldFrame, SpansTwoHundredUnitsHighWithTheRightEdgeAtZero) {
    const SimulationState wide = StartupState(1920, 1080);
    EXPECT_FLOAT_EQ(wide.XLeft, -200.0f * 16 / 9);
    EXPECT_EQ(wide.XRight, 0.0f);
    EXPECT_EQ(wide.YTop, 100);
    EXPECT_EQ(wide.YBottom, -100);
    EXPECT_FLOAT_EQ(wide.ScreenScaleWidth, 28800);
    EXPECT_FLOAT_EQ(wide.ScreenScaleHeight, 16200);

    const SimulationState square = StartupState(1024, 768);
    EXPECT_FLOAT_EQ(square.XLeft, -266.666667f);
}

TEST(WorldFrame, PhysicalConstantsFollowTheIndex) {
    SimulationState state = StartupState(800, 600);
    EXPECT_EQ(state.C1, 5);
    EXPECT_EQ(state.Lambda1, 30);
    EXPECT_DOUBLE_EQ(state.C2, 10);
    EXPECT_DOUBLE_EQ(state.Period, 6);
    SetPhysicalConstants(state, 300);
    EXPECT_DOUBLE_EQ(state.C2, 5.0 / 3);
    SetPhysicalConstants(state, 100);
    EXPECT_DOUBLE_EQ(state.C2, 5);
}

// On a 4:3 client area of 1024x768 pixels a world unit is 11520 / 200 twips.
TEST(PanelLayout, FourByThreeRowsReadEarlierRows) {
    const PanelLayout layout = LayOutPanel(StartupState(1024, 768));
    const float a = 4.0f / 3;
    const float twip = 200.0f / 11520;

    const ControlRect angle = Rect(layout, Control::AngleBar);
    EXPECT_FLOAT_EQ(angle.Left, -200 * a);
    EXPECT_FLOAT_EQ(angle.Top, 100);
    EXPECT_FLOAT_EQ(angle.Width, 20 * a);
    EXPECT_FLOAT_EQ(angle.Height, 5);

    const ControlRect label1 = Rect(layout, Control::AngleLabel);
    EXPECT_FLOAT_EQ(label1.Left, -180 * a);
    EXPECT_FLOAT_EQ(label1.Width, 50 * a);
    EXPECT_FLOAT_EQ(label1.Height, 1095 * twip);

    EXPECT_FLOAT_EQ(Rect(layout, Control::TimeBar).Top, 95);
    EXPECT_FLOAT_EQ(Rect(layout, Control::TimeLabel).Top, 95);
    EXPECT_FLOAT_EQ(Rect(layout, Control::WavesBar).Top, 90);
    EXPECT_FLOAT_EQ(Rect(layout, Control::WavesLabel).Height, 855 * twip);

    const ControlRect option1 = Rect(layout, Control::ContinuousOption);
    const ControlRect option2 = Rect(layout, Control::WaveletsOption);
    EXPECT_FLOAT_EQ(option1.Top, 85);
    EXPECT_FLOAT_EQ(option2.Top, 75);
    EXPECT_FLOAT_EQ(option2.Height, 6.5f);
    EXPECT_FLOAT_EQ(option2.Width, 30 * a);

    const ControlRect index = Rect(layout, Control::IndexBar);
    EXPECT_FLOAT_EQ(index.Top, 68.5f);
    EXPECT_FLOAT_EQ(index.Left, -200 * a);
    EXPECT_FLOAT_EQ(index.Width, 4215 * twip);
    EXPECT_FLOAT_EQ(index.Height, 735 * twip);
    const ControlRect label4 = Rect(layout, Control::IndexLabel);
    EXPECT_FLOAT_EQ(label4.Top, 68.5f - 735 * twip);
    EXPECT_FLOAT_EQ(label4.Width, 3135 * twip);

    const ControlRect timer = Rect(layout, Control::StartButton);
    const ControlRect stop = Rect(layout, Control::StopButton);
    EXPECT_FLOAT_EQ(timer.Left, -130 * a);
    EXPECT_FLOAT_EQ(timer.Top, 95);
    EXPECT_FLOAT_EQ(stop.Left, -130 * a + 2055 * twip);
    EXPECT_FLOAT_EQ(stop.Width, 1815 * twip);
    EXPECT_FLOAT_EQ(stop.Height, 975 * twip);
}

TEST(PanelLayout, SixteenByNineScalesOnlyTheWidths) {
    const PanelLayout layout = LayOutPanel(StartupState(1600, 900));
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleBar).Left, -3200.0f / 9);
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleLabel).Left, -320);
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleLabel).Width, 800.0f / 9);
    EXPECT_FLOAT_EQ(Rect(layout, Control::ContinuousOption).Height, 6.5f);
    EXPECT_FLOAT_EQ(Rect(layout, Control::StartButton).Width, 2055 * 200.0f / 13500);
}

TEST(PanelLayout, ControlNamesInTraceOrder) {
    EXPECT_EQ(ControlName(Control::AngleBar), "prosptosis");
    EXPECT_EQ(ControlName(Control::IndexBar), "N_REFR");
    EXPECT_EQ(ControlName(Control::StopButton), "Command2");
}

}  // namespace
}  // namespace orvath
