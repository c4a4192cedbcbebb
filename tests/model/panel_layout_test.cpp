// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/panel_layout.h"
#include "model/world_frame.h"
#include "support/scenes.h"

namespace orvath {
namespace {

ControlRect Rect(const PanelLayout& layout, Control id) {
    return At(layout, id);
}

TEST(WorldFrame, SpansTwoHundredUnitsHighWithTheRightEdgeAtZero) {
    const SimulationState wide = testing::StartupState(1920, 1080);
    EXPECT_FLOAT_EQ(wide.xLeft, -200.0f * 16 / 9);
    EXPECT_EQ(wide.xRight, 0.0f);
    EXPECT_EQ(wide.yTop, 100);
    EXPECT_EQ(wide.yBottom, -100);
    EXPECT_FLOAT_EQ(wide.screenScaleWidth, 28800);
    EXPECT_FLOAT_EQ(wide.screenScaleHeight, 16200);

    const SimulationState square = testing::StartupState(1024, 768);
    EXPECT_FLOAT_EQ(square.xLeft, -266.666667f);
}

TEST(WorldFrame, PhysicalConstantsFollowTheIndex) {
    SimulationState state = testing::StartupState(800, 600);
    EXPECT_EQ(state.c1, 5);
    EXPECT_EQ(state.lambda1, 30);
    EXPECT_DOUBLE_EQ(state.c2, 10);
    EXPECT_DOUBLE_EQ(state.period, 6);
    SetPhysicalConstants(state, 300);
    EXPECT_DOUBLE_EQ(state.c2, 5.0 / 3);
    SetPhysicalConstants(state, 100);
    EXPECT_DOUBLE_EQ(state.c2, 5);
}

// On a 4:3 client area of 1024x768 pixels a world unit is 11520 / 200 twips.
TEST(PanelLayout, FourByThreeRowsReadEarlierRows) {
    const PanelLayout layout = LayOutPanel(testing::StartupState(1024, 768));
    const float a = 4.0f / 3;
    const float twip = 200.0f / 11520;

    const ControlRect angle = Rect(layout, Control::AngleBar);
    EXPECT_FLOAT_EQ(angle.left, -200 * a);
    EXPECT_FLOAT_EQ(angle.top, 100);
    EXPECT_FLOAT_EQ(angle.width, 20 * a);
    EXPECT_FLOAT_EQ(angle.height, 5);

    const ControlRect label1 = Rect(layout, Control::AngleLabel);
    EXPECT_FLOAT_EQ(label1.left, -180 * a);
    EXPECT_FLOAT_EQ(label1.width, 50 * a);
    EXPECT_FLOAT_EQ(label1.height, 1095 * twip);

    EXPECT_FLOAT_EQ(Rect(layout, Control::TimeBar).top, 95);
    EXPECT_FLOAT_EQ(Rect(layout, Control::TimeLabel).top, 95);
    EXPECT_FLOAT_EQ(Rect(layout, Control::WavesBar).top, 90);
    EXPECT_FLOAT_EQ(Rect(layout, Control::WavesLabel).height, 855 * twip);

    const ControlRect option1 = Rect(layout, Control::ContinuousOption);
    const ControlRect option2 = Rect(layout, Control::WaveletsOption);
    EXPECT_FLOAT_EQ(option1.top, 85);
    EXPECT_FLOAT_EQ(option2.top, 75);
    EXPECT_FLOAT_EQ(option2.height, 6.5f);
    EXPECT_FLOAT_EQ(option2.width, 30 * a);

    const ControlRect index = Rect(layout, Control::IndexBar);
    EXPECT_FLOAT_EQ(index.top, 68.5f);
    EXPECT_FLOAT_EQ(index.left, -200 * a);
    EXPECT_FLOAT_EQ(index.width, 4215 * twip);
    EXPECT_FLOAT_EQ(index.height, 735 * twip);
    const ControlRect label4 = Rect(layout, Control::IndexLabel);
    EXPECT_FLOAT_EQ(label4.top, 68.5f - 735 * twip);
    EXPECT_FLOAT_EQ(label4.width, 3135 * twip);

    const ControlRect timer = Rect(layout, Control::StartButton);
    const ControlRect stop = Rect(layout, Control::StopButton);
    EXPECT_FLOAT_EQ(timer.left, -130 * a);
    EXPECT_FLOAT_EQ(timer.top, 95);
    EXPECT_FLOAT_EQ(stop.left, -130 * a + 2055 * twip);
    EXPECT_FLOAT_EQ(stop.width, 1815 * twip);
    EXPECT_FLOAT_EQ(stop.height, 975 * twip);
}

TEST(PanelLayout, SixteenByNineScalesOnlyTheWidths) {
    const PanelLayout layout = LayOutPanel(testing::StartupState(1600, 900));
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleBar).left, -3200.0f / 9);
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleLabel).left, -320);
    EXPECT_FLOAT_EQ(Rect(layout, Control::AngleLabel).width, 800.0f / 9);
    EXPECT_FLOAT_EQ(Rect(layout, Control::ContinuousOption).height, 6.5f);
    EXPECT_FLOAT_EQ(Rect(layout, Control::StartButton).width, 2055 * 200.0f / 13500);
}

TEST(PanelLayout, ControlNamesInTraceOrder) {
    EXPECT_EQ(ControlName(Control::AngleBar), "prosptosis");
    EXPECT_EQ(ControlName(Control::IndexBar), "N_REFR");
    EXPECT_EQ(ControlName(Control::StopButton), "Command2");
}

}  // namespace
}  // namespace orvath
