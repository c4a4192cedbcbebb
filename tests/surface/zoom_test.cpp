// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "surface/screen_mapping.h"
#include "surface/zoom.h"
#include "surface/zoomed_labels.h"

namespace orvath {
namespace {

// The frame of a 1600x900 client area.
constexpr WorldFrame kFrame{-355.555542f, 100, 0, -100};
constexpr double kWidthPx = 1600;
constexpr double kHeightPx = 900;

ScreenMapping Shown(const Zoom& zoom) {
    return {kFrame, kWidthPx, kHeightPx, zoom};
}

// Whatever is asked, the view stays inside the frame and between 1x and 8x.
TEST(Zoom, LimitsHoldForEveryRequest) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Zoom asked[] = {{0.2, 0, 0},   {1, -100, 50}, {3, 1e9, -1e9}, {8, -177, 0},
                          {50, -10, 99}, {nan, 5, 5},   {4, nan, nan},  {-3, -3, -3}};
    for (const Zoom& zoom : asked) {
        const ViewRect view = Shown(zoom).Area();
        const Zoom limited = Limited(zoom, kFrame);
        EXPECT_GE(limited.factor, kMinZoom);
        EXPECT_LE(limited.factor, kMaxZoom);
        EXPECT_GE(view.left, kFrame.left - 1e-9);
        EXPECT_LE(view.right, kFrame.right + 1e-9);
        EXPECT_GE(view.bottom, kFrame.bottom - 1e-9);
        EXPECT_LE(view.top, kFrame.top + 1e-9);
        EXPECT_NEAR((view.top - view.bottom) * limited.factor, 200, 1e-6);
        EXPECT_EQ(Limited(limited, kFrame), limited);
    }
    // No centre is the middle of the frame.
    EXPECT_NEAR(Limited({2, nan, nan}, kFrame).centreX, kFrame.left / 2, 1e-9);
}

// Zooming about a point keeps it under the pointer, while the view can.
TEST(Zoom, ThePointZoomedAboutStaysPut) {
    Zoom zoom;
    for (const auto& [x, y, factor] : {std::tuple{-300.0, 50.0, 2.0},
                                       {-320.0, 60.0, 5.0},
                                       {-310.0, 40.0, 3.0},
                                       {-200.0, -10.0, 8.0}}) {
        const ScreenMapping before = Shown(zoom);
        zoom = ZoomedAbout(zoom, kFrame, factor, x, y);
        const ScreenMapping after = Shown(zoom);
        EXPECT_DOUBLE_EQ(zoom.factor, factor);
        EXPECT_NEAR(after.X(x), before.X(x), 1e-6);
        EXPECT_NEAR(after.Y(y), before.Y(y), 1e-6);
    }
    // Back to the whole picture, and the mapping is the one of no zoom.
    zoom = ZoomedAbout(zoom, kFrame, 0.5, -10, 10);
    EXPECT_TRUE(zoom.Whole());
    EXPECT_EQ(Shown(zoom).X(-123.4), Shown({}).X(-123.4));
    EXPECT_EQ(Shown(zoom).ToPixelRect(-300, 80, 40, 5), Shown({}).ToPixelRect(-300, 80, 40, 5));
}

TEST(Zoom, PanningStopsAtTheFramesEdges) {
    const Zoom zoom = Limited({4, -177, 0}, kFrame);
    const Zoom panned = Panned(zoom, kFrame, -10, 5);
    EXPECT_NEAR(panned.centreX, zoom.centreX - 10, 1e-9);
    EXPECT_NEAR(panned.centreY, zoom.centreY + 5, 1e-9);
    const ViewRect corner = Shown(Panned(zoom, kFrame, -1e6, 1e6)).Area();
    EXPECT_NEAR(corner.left, kFrame.left, 1e-6);
    EXPECT_NEAR(corner.top, kFrame.top, 1e-6);
    // The whole picture does not move.
    EXPECT_EQ(Panned({}, kFrame, 30, 30).centreX, Limited({}, kFrame).centreX);
}

// Zoomed, a label (a backing and what follows inside it, lines of a block
// joined) keeps the size of the whole picture about its backing's zoomed
// middle; the first operation outside it is drawn zoomed again.
TEST(ZoomedLabels, LabelsKeepTheirSizeAboutTheirZoomedPlace) {
    const ScreenMapping whole = Shown({});
    const ScreenMapping zoomed = Shown({4, -200, 0});
    ZoomedLabels unzoomed(whole);
    EXPECT_FALSE(unzoomed.StartLabel({-210, -2, -190, 2}));
    ZoomedLabels labels(zoomed);
    EXPECT_DOUBLE_EQ(labels.LabelScale(), std::abs(whole.ScaleY()));
    ASSERT_TRUE(labels.StartLabel({-210, -2, -190, 2}));
    EXPECT_TRUE(labels.Holds({-209, -1, -200, 1}));
    ASSERT_TRUE(labels.StartLabel({-210, -6, -195, -2.5}));  // the block's next line
    EXPECT_TRUE(labels.Holds({-205, -5, -205, -5}));
    const PixelPoint middle = labels.Place(-200, 0);
    EXPECT_NEAR(middle.x, zoomed.X(-200), 1e-9);
    EXPECT_NEAR(middle.y, zoomed.Y(0), 1e-9);
    const PixelPoint corner = labels.Place(-210, -6);
    EXPECT_NEAR(corner.x - middle.x, whole.X(-210) - whole.X(-200), 1e-9);
    EXPECT_NEAR(corner.y - middle.y, whole.Y(-6) - whole.Y(0), 1e-9);
    EXPECT_FALSE(labels.Holds({-300, 10, -100, 10}));
    EXPECT_NEAR(labels.Place(-210, -6).x, zoomed.X(-210), 1e-9);
}

}  // namespace
}  // namespace orvath
