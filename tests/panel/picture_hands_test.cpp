// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "model/world_frame.h"
#include "panel/picture_hands.h"
#include "panel/ray_grip.h"
#include "surface/display_list.h"
#include "surface/zoomed_labels.h"

namespace orvath {
namespace {

constexpr ClientArea kClient{1600 * kTwipsPerPixel, 900 * kTwipsPerPixel};

// A point on a ray through the foot running along (sin, -cos), `t` world
// units from the foot (back up the ray when negative).
WorldPoint Along(double foot, double sin, double cos, double t) {
    return {foot + t * sin, -t * cos};
}

// In every picture and view, a point on a drawn ray takes hold of it, and
// dragging it there gives back the bar's value; beyond the bar's range the
// value stops at its end.
TEST(RayGrip, APointOnARayTakesItAndGivesBackItsValue) {
    for (const DisplayMode mode : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
        for (const View view : {View::Classic, View::Exact}) {
            for (int angle = 0; angle <= 89; angle += 7) {
                for (const int index : {50, 100, 133, 300}) {
                    BarValues bars = StartValues();
                    bars.angle = static_cast<std::int16_t>(angle);
                    bars.index = static_cast<std::int16_t>(index);
                    const RayFan fan = RaysShown(MakeScene(bars, kClient), mode, view);
                    ASSERT_FALSE(fan.feet.empty());
                    const double foot = fan.feet[fan.feet.size() / 2];
                    const WorldPoint up = Along(foot, fan.sinIncident, fan.cosIncident, -40);
                    const Grab incident = GrabAt(fan, up.x + 1, up.y, 2);
                    EXPECT_EQ(incident.grip, Grip::Incident);
                    EXPECT_EQ(AngleToward(incident.footX, up.x, up.y), angle);
                    if (!fan.refracts) {
                        continue;
                    }
                    const WorldPoint down = Along(foot, fan.sinRefracted, fan.cosRefracted, 40);
                    const Grab refracted = GrabAt(fan, down.x, down.y - 1, 2);
                    EXPECT_EQ(refracted.grip, Grip::Refracted);
                    EXPECT_EQ(IndexToward(foot, down.x, down.y, fan.sinTheta, 77),
                              angle == 0 ? 77 : index)
                        << angle << " " << index;
                }
            }
        }
    }
    EXPECT_EQ(AngleToward(0, 10, 10), 0);     // past the normal
    EXPECT_EQ(AngleToward(0, -10, -10), 89);  // below the boundary
    EXPECT_EQ(IndexToward(0, -5, -10, 0.5, 100), 300);
    EXPECT_EQ(IndexToward(0, 10, -0.01, 0.2, 100), 50);
}

TEST(RayGrip, NothingIsTakenAwayFromTheRays) {
    BarValues bars = StartValues();
    bars.angle = 30;
    const RayFan fan = RaysShown(MakeScene(bars, kClient), DisplayMode::Continuous, View::Classic);
    const WorldPoint up = Along(fan.feet[0], fan.sinIncident, fan.cosIncident, -30);
    EXPECT_EQ(GrabAt(fan, up.x - 5, up.y, 2).grip, Grip::None);
    EXPECT_EQ(GrabAt(fan, up.x, 0, 2).grip, Grip::None);
    // Beyond the critical angle there is no refracted ray to take.
    bars.angle = 80;
    bars.index = 60;
    const RayFan total = RaysShown(MakeScene(bars, kClient), DisplayMode::Wavelets, View::Exact);
    EXPECT_FALSE(total.refracts);
    EXPECT_EQ(GrabAt(total, total.feet[0], -10, 50).grip, Grip::None);
    EXPECT_FALSE(HandleFor(total, Grip::Refracted, {-300, -100, 0, 100}));
}

struct Hands {
    Hands() {
        panel.StartUp(kClient.widthTwips, kClient.heightTwips);
        hands.SetArea(1600, 900);
        hands.OnViewChanged([this] { ++changes; });
    }
    // A pixel on the incident ray through the middle foot, `t` world units up.
    PixelPoint OnIncident(double t) const {
        const RayFan fan = RaysShown(panel.CurrentScene(), panel.Mode(), panel.CurrentView());
        const WorldPoint at =
            Along(fan.feet[fan.feet.size() / 2], fan.sinIncident, fan.cosIncident, -t);
        const ScreenMapping mapping = hands.Mapping();
        return {mapping.X(at.x), mapping.Y(at.y)};
    }
    DisplayList picture;
    Panel panel{picture};
    PictureHands hands{panel, panel};
    int changes = 0;
};

// A finger on the incident rays turns them through the angle bar; what is
// left of a drag ends in a valid state.
TEST(PictureHands, DraggingTheIncidentRaysMovesTheAngleBar) {
    Hands h;
    const PixelPoint start = h.OnIncident(50);
    h.hands.Press(1, start.x, start.y, PointerKind::Touch);
    EXPECT_EQ(h.hands.Turning(), Grip::Incident);
    ASSERT_EQ(h.hands.Handles().size(), 2U);
    const ScreenMapping mapping = h.hands.Mapping();
    const double foot =
        mapping.WorldX(start.x) + mapping.WorldY(start.y) * std::tan(25 * M_PI / 180);
    // Towards 60 degrees from the normal, then out of the picture far below.
    const double t = 50;
    h.hands.Move(1, mapping.X(foot - t * std::sin(M_PI / 3)), mapping.Y(t * std::cos(M_PI / 3)));
    EXPECT_EQ(h.panel.Bars().angle, 60);
    h.hands.Move(1, -5000, 5000);
    EXPECT_EQ(h.panel.Bars().angle, 89);
    h.hands.SetArea(800, 450);  // a resize during the drag
    h.hands.Move(1, 1e6, -1e6);
    EXPECT_EQ(h.panel.Bars().angle, 0);
    h.hands.Release(1);
    EXPECT_EQ(h.hands.Turning(), Grip::None);
    h.hands.Move(1, 10, 10);  // a pointer no longer down moves nothing
    EXPECT_EQ(h.panel.Bars().angle, 0);
}

// Two fingers pinch between 1x and 8x about their middle and pan; a third is
// left out, and the finger left after a pinch pans.
TEST(PictureHands, PinchWheelAndKeysZoomWithinTheirLimits) {
    Hands h;
    h.hands.Press(1, 700, 400, PointerKind::Touch);
    h.hands.Press(2, 900, 400, PointerKind::Touch);
    h.hands.Press(3, 100, 100, PointerKind::Touch);
    EXPECT_TRUE(h.hands.Pinching());
    const double worldX = h.hands.Mapping().WorldX(800);
    h.hands.Move(2, 1100, 400);
    EXPECT_NEAR(h.hands.CurrentZoom().factor, 2, 1e-9);
    EXPECT_NEAR(h.hands.Mapping().X(worldX), 900, 1e-6);  // the middle moved 100 px
    h.hands.Move(2, 1e5, 400);
    EXPECT_EQ(h.hands.CurrentZoom().factor, kMaxZoom);
    h.hands.Move(2, 701, 400);
    EXPECT_EQ(h.hands.CurrentZoom().factor, kMinZoom);
    h.hands.Move(2, 1100, 400);
    h.hands.Release(1);
    const Zoom pinched = h.hands.CurrentZoom();
    h.hands.Move(2, 1000, 450);
    EXPECT_NEAR(h.hands.CurrentZoom().centreX - pinched.centreX, 100 / h.hands.Mapping().ScaleX(),
                1e-9);
    h.hands.Cancel();
    EXPECT_FALSE(h.hands.Pinching());

    h.hands.WholePicture();
    h.hands.Wheel(1, 0, 0);
    EXPECT_DOUBLE_EQ(h.hands.CurrentZoom().factor, kZoomStep);
    for (int i = 0; i < 20; ++i) {
        h.hands.ZoomIn();
    }
    EXPECT_EQ(h.hands.CurrentZoom().factor, kMaxZoom);
    h.hands.ZoomOut();
    EXPECT_DOUBLE_EQ(h.hands.CurrentZoom().factor, kMaxZoom / kZoomStep);
    const int before = h.changes;
    h.hands.WholePicture();
    h.hands.WholePicture();
    EXPECT_EQ(h.changes, before + 1);
    EXPECT_TRUE(h.hands.CurrentZoom().Whole());
    // A mouse press on the empty, whole picture holds nothing and shows no handle.
    h.hands.Press(0, 1500, 800, PointerKind::Mouse);
    EXPECT_EQ(h.hands.HintAt(1500, 800, PointerKind::Mouse), HandHint::None);
    EXPECT_TRUE(h.hands.Handles().empty());
}

// After a touch, a handle takes its ray even where the protractor lies over
// it; away from the handles the protractor's body still moves it.
TEST(PictureHands, AHandleTakesItsRayOverAnInstrument) {
    Hands h;
    h.hands.ShowProtractor(true);
    h.hands.Press(1, 1599, 899, PointerKind::Touch);
    h.hands.Release(1);
    const ScreenMapping mapping = h.hands.Mapping();
    const instruments::Protractor protractor = *h.hands.ShownProtractor();
    const std::vector<HandleMark> marks = h.hands.Handles();
    ASSERT_EQ(marks.size(), 2U);
    for (const HandleMark& mark : marks) {
        ASSERT_NE(instruments::GripAt(&protractor, nullptr,
                                      {mapping.WorldX(mark.x), mapping.WorldY(mark.y)}, 1),
                  instruments::Grip::None)
            << "the handle is not over the protractor";
        EXPECT_EQ(h.hands.HintAt(mark.x, mark.y, PointerKind::Touch),
                  mark.grip == Grip::Incident ? HandHint::TurnIncident : HandHint::TurnRefracted);
        h.hands.Press(2, mark.x + 0.5 * kHandleRadiusPx, mark.y, PointerKind::Touch);
        EXPECT_EQ(h.hands.Turning(), mark.grip);
        EXPECT_FALSE(h.hands.HoldingInstrument());
        h.hands.Release(2);
    }
    const double x = mapping.X(protractor.centre.x - 0.3 * protractor.radius);
    const double y = mapping.Y(protractor.centre.y + 0.2 * protractor.radius);
    h.hands.Press(3, x, y, PointerKind::Touch);
    EXPECT_TRUE(h.hands.HoldingInstrument());
    h.hands.Move(3, x - 40, y - 40);
    h.hands.Release(3);
    EXPECT_NE(h.hands.ShownProtractor()->centre, protractor.centre);
}

}  // namespace
}  // namespace orvath
