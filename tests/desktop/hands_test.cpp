// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <cmath>
#include <memory>

#include "desktop/picture_file.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

// A pixel of the canvas on the incident ray through the middle foot, `t`
// world units up from the boundary.
QPoint OnIncidentRay(OrvathWindow& window, double t) {
    const Panel& panel = window.Model();
    const RayFan fan = RaysShown(panel.CurrentScene(), panel.Mode(), panel.CurrentView());
    const double foot = fan.feet[fan.feet.size() / 2];
    const ScreenMapping mapping = window.Hands().Mapping();
    return QPointF(mapping.X(foot - t * fan.sinIncident), mapping.Y(t * fan.cosIncident)).toPoint();
}

void Wheel(QWidget& widget, QPoint at, int notches) {
    QWheelEvent event(at, widget.mapToGlobal(at), {}, {0, notches * 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// While the thumb is dragged, the caption and the picture follow it.
TEST(Hands, ADraggedBarsCaptionAndPictureFollowBeforeItIsLetGo) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    QScrollBar& bar = window.BarWidget(Bar::Angle);
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    const QRect thumb = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                    QStyle::SC_ScrollBarSlider, &bar);
    const QString caption = window.LabelWidget(Bar::Angle).text();
    const QImage before = RenderPicture(window.CanvasWidget().Picture(), window.font(), {320, 180});
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(&bar, thumb.center() + QPoint(thumb.width(), 0));
    EXPECT_GT(window.Model().Bars().angle, 25);
    EXPECT_NE(window.LabelWidget(Bar::Angle).text(), caption);
    EXPECT_NE(RenderPicture(window.CanvasWidget().Picture(), window.font(), {320, 180}), before);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb.center() + QPoint(thumb.width(), 0));
}

// The mouse turns the incident rays, showing a hand over them; a mouse
// press elsewhere on the zoomed picture pans it.
TEST(Hands, TheMouseTurnsTheIncidentRays) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    Canvas& canvas = window.CanvasWidget();
    const QPoint on = OnIncidentRay(window, 60);
    QTest::mouseMove(&canvas, on);
    EXPECT_EQ(canvas.cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, on);
    EXPECT_EQ(canvas.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(&canvas, on + QPoint(-200, 0));
    const int turned = window.Model().Bars().angle;
    EXPECT_GT(turned, 25);
    EXPECT_EQ(window.BarWidget(Bar::Angle).value(), turned);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, on + QPoint(-200, 0));
    EXPECT_TRUE(canvas.Handles().empty());
}

// The wheel and Ctrl + / - zoom about the pointer or the middle; Ctrl+0
// shows the whole picture; a saved picture is what is shown.
TEST(Hands, WheelAndKeysZoomAndTheSavedPictureIsWhatIsShown) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    Canvas& canvas = window.CanvasWidget();
    const QImage whole = RenderPicture(canvas.Picture(), window.font(), canvas.size(),
                                       Theme::Classic, canvas.CurrentZoom());
    Wheel(canvas, {1200, 600}, 2);
    EXPECT_DOUBLE_EQ(canvas.CurrentZoom().factor, kZoomStep * kZoomStep);
    EXPECT_NE(RenderPicture(canvas.Picture(), window.font(), canvas.size(), Theme::Classic,
                            canvas.CurrentZoom()),
              whole);
    started.Press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(canvas.CurrentZoom().Whole());
    started.Press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas.CurrentZoom().factor, kZoomStep);
    started.Press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_TRUE(canvas.CurrentZoom().Whole());
    EXPECT_EQ(window.Model().Speed(), TimerSpeed::Full);  // not the speed keys
}

// Two fingers pinch and pan; one finger on a ray turns it, with a handle.
TEST(Hands, FingersPinchAndTurn) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    Canvas& canvas = window.CanvasWidget();
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    QTest::touchEvent(&canvas, screen.get()).press(0, {700, 500}).press(1, {900, 500});
    QTest::touchEvent(&canvas, screen.get()).move(0, {600, 500}).move(1, {1000, 500});
    EXPECT_NEAR(canvas.CurrentZoom().factor, 2, 1e-9);
    QTest::touchEvent(&canvas, screen.get()).release(0, {600, 500}).release(1, {1000, 500});
    started.Press(Qt::Key_0, Qt::ControlModifier);

    const QPoint on = OnIncidentRay(window, 60);
    QTest::touchEvent(&canvas, screen.get()).press(0, on);
    ASSERT_EQ(canvas.Handles().size(), 2U);
    QTest::touchEvent(&canvas, screen.get()).move(0, on + QPoint(150, 0));
    EXPECT_LT(window.Model().Bars().angle, 25);
    QTest::touchEvent(&canvas, screen.get()).release(0, on + QPoint(150, 0));
    // The handles stay for the fingers, at their rays, none held.
    ASSERT_EQ(canvas.Handles().size(), 2U);
    EXPECT_FALSE(canvas.Handles()[0].held);
}

}  // namespace
}  // namespace orvath::testing

namespace orvath {
namespace {

TEST(Hands, KeysShowTheInstrumentsAndHideTheIndexForAMystery) {
    testing::StartedWindow started;
    OrvathWindow& window = started.window;
    const Canvas& canvas = window.CanvasWidget();
    EXPECT_TRUE(canvas.Instruments().Ops().empty());
    started.Press(Qt::Key_P);
    started.Press(Qt::Key_L);
    ASSERT_TRUE(window.Hands().ShownProtractor() && window.Hands().ShownRuler());
    EXPECT_FALSE(canvas.Instruments().Ops().empty());
    // Over the picture, never in it.
    const auto revision = canvas.Picture().Revision();
    started.Press(Qt::Key_P);
    EXPECT_FALSE(window.Hands().ShownProtractor());
    EXPECT_EQ(canvas.Picture().Revision(), revision);

    started.Press(Qt::Key_M);
    ASSERT_TRUE(window.Model().IndexHidden());
    EXPECT_FALSE(window.BarWidget(Bar::Index).isVisible());
    EXPECT_TRUE(window.LabelWidget(Bar::Index).text().endsWith('?'));
    const int hidden = window.Model().Bars().index;
    window.MoveBar(Bar::Index, hidden == 150 ? 160 : 150);
    EXPECT_EQ(window.Model().Bars().index, hidden);
    started.Press(Qt::Key_M, Qt::ShiftModifier);
    EXPECT_FALSE(window.Model().IndexHidden());
    EXPECT_TRUE(window.BarWidget(Bar::Index).isVisible());
    EXPECT_FALSE(window.LabelWidget(Bar::Index).text().endsWith('?'));
}

}  // namespace
}  // namespace orvath
