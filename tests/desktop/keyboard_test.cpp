// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QScrollBar>

#include "desktop/picture_file.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

QImage Picture(OrvathWindow& window) {
    return RenderPicture(window.CanvasWidget().Picture(), window.font(),
                         window.CanvasWidget().size());
}

// The names of the controls that `key` moves the focus to, from the angle bar on.
QStringList FocusTour(StartedWindow& started, Qt::Key key, int steps) {
    started.window.BarWidget(Bar::Angle).setFocus();
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        started.Press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

TEST(Keyboard, TabFollowsTheScreenBarsFirst) {
    StartedWindow started;
    // The options are one stop, at the selected one.
    EXPECT_EQ(FocusTour(started, Qt::Key_Tab, 9),
              QStringList({"xronos", "arithkyMATON", "N_REFR", "Option2", "ExactView", "Reflection",
                           "Command1", "Command2", "prosptosis"}));
    EXPECT_EQ(FocusTour(started, Qt::Key_Backtab, 3),
              QStringList({"Command2", "Command1", "Reflection"}));
}

// Space works the focused switch or button; elsewhere it starts and stops
// the timer.
TEST(Keyboard, SpaceWorksTheFocusedSwitchOrButton) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    window.ExactSwitch().setFocus();
    started.Press(Qt::Key_Space);
    EXPECT_EQ(window.Model().CurrentView(), View::Exact);
    window.ReflectionSwitch().setFocus();
    started.Press(Qt::Key_Space);
    EXPECT_TRUE(window.Model().Reflection());
    EXPECT_FALSE(window.Model().TimerEnabled());
    window.ButtonWidget(Button::Start).setFocus();
    started.Press(Qt::Key_Space);
    EXPECT_TRUE(window.Model().TimerEnabled());
    window.ButtonWidget(Button::Stop).setFocus();
    started.Press(Qt::Key_Space);
    EXPECT_FALSE(window.Model().TimerEnabled());
    window.BarWidget(Bar::Waves).setFocus();
    started.Press(Qt::Key_Space);
    EXPECT_TRUE(window.Model().TimerEnabled());
    EXPECT_EQ(window.Model().CurrentView(), View::Exact);
}

TEST(Keyboard, TheFocusedBarIsRinged) {
    StartedWindow started;
    const FocusOutline* outline = started.window.findChild<FocusOutline*>();
    ASSERT_NE(outline, nullptr);
    started.window.BarWidget(Bar::Angle).setFocus();
    started.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), &started.window.BarWidget(Bar::Time));
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), started.window.BarWidget(Bar::Time).rect());
    started.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), &started.window.BarWidget(Bar::Waves));
    started.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), &started.window.BarWidget(Bar::Index));
    // The buttons mark their own focus.
    started.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), nullptr);
    EXPECT_FALSE(outline->isVisible());
}

TEST(Keyboard, ArrowKeysChooseBetweenTheOptions) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    window.ButtonWidget(Button::Wavelets).setFocus();
    started.Press(Qt::Key_Up);
    EXPECT_EQ(window.Model().Mode(), DisplayMode::Continuous);
    // The continuous picture's handler ran: it sets the time bar to 5.
    EXPECT_EQ(window.Model().Bars().time, 5);
    EXPECT_EQ(FocusTour(started, Qt::Key_Tab, 4),
              QStringList({"xronos", "arithkyMATON", "N_REFR", "Option1"}));
    started.Press(Qt::Key_Down);
    EXPECT_EQ(window.Model().Mode(), DisplayMode::Wavelets);
}

TEST(Keyboard, ArrowsAndPageKeysMoveBarsByTheirSmallAndLargeChange) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    struct Case {
        Bar bar;
        int small, large;
    };
    for (const Case c : {Case{Bar::Angle, 1, 5}, Case{Bar::Time, 2, 50}, Case{Bar::Waves, 2, 2},
                         Case{Bar::Index, 1, 10}}) {
        QScrollBar& bar = window.BarWidget(c.bar);
        bar.setFocus();
        const int start = bar.value();
        started.Press(Qt::Key_Right);
        EXPECT_EQ(bar.value(), start + c.small) << bar.objectName().toStdString();
        started.Press(Qt::Key_Up);
        EXPECT_EQ(bar.value(), start + 2 * c.small) << bar.objectName().toStdString();
        started.Press(Qt::Key_Left);
        started.Press(Qt::Key_Down);
        EXPECT_EQ(bar.value(), start) << bar.objectName().toStdString();
        started.Press(Qt::Key_PageUp);
        EXPECT_EQ(bar.value(), start + c.large) << bar.objectName().toStdString();
        started.Press(Qt::Key_PageDown);
        EXPECT_EQ(bar.value(), start) << bar.objectName().toStdString();
    }
}

TEST(Keyboard, AMovedBarRunsItsHandler) {
    StartedWindow started;
    started.window.BarWidget(Bar::Angle).setFocus();
    started.Press(Qt::Key_PageUp);
    EXPECT_EQ(started.window.LabelWidget(Bar::Angle).text(), "ANGLE OF INCIDENCE= 30");
    EXPECT_TRUE(started.window.Model().CurrentScene().Critical());
}

TEST(Keyboard, CtrlRPutsEveryBarBackAndSelectsWavelets) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    window.Click(Button::Continuous);
    window.MoveBar(Bar::Angle, 60);
    window.MoveBar(Bar::Index, 240);
    window.MoveBar(Bar::Waves, 31);
    window.MoveBar(Bar::Time, 4000);
    started.Press(Qt::Key_R, Qt::ControlModifier);
    const BarValues bars = window.Model().Bars();
    EXPECT_EQ(bars.angle, 25);
    EXPECT_EQ(bars.index, 50);
    EXPECT_EQ(bars.waves, 10);
    EXPECT_EQ(bars.time, 2000);
    EXPECT_EQ(window.Model().Mode(), DisplayMode::Wavelets);
    // The handlers ran: captions and speeds follow the bars.
    EXPECT_EQ(window.LabelWidget(Bar::Angle).text(), "ANGLE OF INCIDENCE= 25");
    EXPECT_EQ(window.LabelWidget(Bar::Index).text(), "c2=  C1/0.50");
    EXPECT_EQ(window.LabelWidget(Bar::Waves).text(), "# WAVES = 10");
    EXPECT_DOUBLE_EQ(window.Model().CurrentScene().c2, 10);
}

TEST(Keyboard, CtrlRFromTheContinuousPictureDrawsTheWaveletsEvenWhenNoBarMoves) {
    // The wavelet picture at the design values, as the time bar's handler draws it.
    StartedWindow reference;
    reference.window.MoveBar(Bar::Time, 1000);
    reference.window.MoveBar(Bar::Time, 2000);

    StartedWindow started;
    started.window.Click(Button::Continuous);
    started.window.MoveBar(Bar::Time, 2000);
    ASSERT_EQ(started.window.Model().Mode(), DisplayMode::Continuous);
    started.Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(started.window.Model().Mode(), DisplayMode::Wavelets);
    EXPECT_EQ(Picture(started.window), Picture(reference.window));
}

TEST(Keyboard, EAndRSwitchTheViewAndTheReflectedWave) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    const auto revision = window.CanvasWidget().Picture().Revision();
    started.Press(Qt::Key_E);
    EXPECT_EQ(window.Model().CurrentView(), View::Exact);
    EXPECT_TRUE(window.ExactSwitch().isChecked());
    EXPECT_FALSE(window.CanvasWidget().Picture().Parts().empty());
    started.Press(Qt::Key_R);
    EXPECT_TRUE(window.Model().Reflection());
    EXPECT_TRUE(window.ReflectionSwitch().isChecked());
    started.Press(Qt::Key_E);
    EXPECT_EQ(window.Model().CurrentView(), View::Classic);
    EXPECT_TRUE(window.CanvasWidget().Picture().Parts().empty());
    EXPECT_GT(window.CanvasWidget().Picture().Revision(), revision);
}

}  // namespace
}  // namespace orvath::testing
