// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QScrollBar>

#include "desktop/picture_file.h"
#include "started_window.h"

namespace orvath::testing {
namespace {

QScrollBar& Bar(OrvathForm& form, ControlId id) {
    auto* bar = form.findChild<QScrollBar*>(QString::fromUtf8(ControlName(id)));
    EXPECT_NE(bar, nullptr);
    return *bar;
}

QImage Picture(OrvathForm& form) {
    return RenderPicture(form.CanvasWidget().picture(), form.font(), form.CanvasWidget().size());
}

// The names of the controls that `key` moves the focus to, from the angle bar on.
QStringList FocusTour(StartedWindow& window, Qt::Key key, int steps) {
    Bar(window.form, ControlId::prosptosis).setFocus();
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        window.Press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

TEST(Keyboard, TabVisitsEveryControlInPanelOrder) {
    StartedWindow window;
    // The options are one stop, at the selected one.
    EXPECT_EQ(FocusTour(window, Qt::Key_Tab, 7),
              QStringList({"xronos", "arithkyMATON", "Option2", "N_REFR", "Command1", "Command2",
                           "prosptosis"}));
    EXPECT_EQ(FocusTour(window, Qt::Key_Backtab, 3),
              QStringList({"Command2", "Command1", "N_REFR"}));
}

TEST(Keyboard, TheFocusedBarIsRinged) {
    StartedWindow window;
    const FocusOutline* outline = window.form.findChild<FocusOutline*>();
    ASSERT_NE(outline, nullptr);
    Bar(window.form, ControlId::prosptosis).setFocus();
    window.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), &Bar(window.form, ControlId::xronos));
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), Bar(window.form, ControlId::xronos).rect());
    window.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), &Bar(window.form, ControlId::arithkyMATON));
    // The buttons mark their own focus.
    window.Press(Qt::Key_Tab);
    EXPECT_EQ(outline->Bar(), nullptr);
    EXPECT_FALSE(outline->isVisible());
}

TEST(Keyboard, ArrowKeysChooseBetweenTheOptions) {
    StartedWindow window;
    OrvathForm& form = window.form;
    form.findChild<QWidget*>("Option2")->setFocus();
    window.Press(Qt::Key_Up);
    EXPECT_TRUE(form.ContinuousSelected());
    // The continuous picture's handler ran: it sets the time bar to 5.
    EXPECT_EQ(form.Bars().xronos, 5);
    EXPECT_EQ(FocusTour(window, Qt::Key_Tab, 3),
              QStringList({"xronos", "arithkyMATON", "Option1"}));
    window.Press(Qt::Key_Down);
    EXPECT_FALSE(form.ContinuousSelected());
}

TEST(Keyboard, ArrowsAndPageKeysMoveBarsByTheirSmallAndLargeChange) {
    StartedWindow window;
    OrvathForm& form = window.form;
    struct Case {
        ControlId bar;
        int small, large;
    };
    for (const Case c : {Case{ControlId::prosptosis, 1, 5}, Case{ControlId::xronos, 2, 50},
                         Case{ControlId::arithkyMATON, 2, 2}, Case{ControlId::N_REFR, 1, 10}}) {
        QScrollBar& bar = Bar(form, c.bar);
        bar.setFocus();
        const int start = bar.value();
        window.Press(Qt::Key_Right);
        EXPECT_EQ(bar.value(), start + c.small) << bar.objectName().toStdString();
        window.Press(Qt::Key_Up);
        EXPECT_EQ(bar.value(), start + 2 * c.small) << bar.objectName().toStdString();
        window.Press(Qt::Key_Left);
        window.Press(Qt::Key_Down);
        EXPECT_EQ(bar.value(), start) << bar.objectName().toStdString();
        window.Press(Qt::Key_PageUp);
        EXPECT_EQ(bar.value(), start + c.large) << bar.objectName().toStdString();
        window.Press(Qt::Key_PageDown);
        EXPECT_EQ(bar.value(), start) << bar.objectName().toStdString();
    }
}

TEST(Keyboard, AMovedBarRunsItsHandler) {
    StartedWindow window;
    Bar(window.form, ControlId::prosptosis).setFocus();
    window.Press(Qt::Key_PageUp);
    EXPECT_EQ(window.form.CaptionShown(ControlId::Label1), "ANGLE OF INCIDENCE= 30");
    EXPECT_EQ(window.form.State().CriticalFlag, -1);
}

TEST(Keyboard, SpaceStartsAndStopsTheTimerWhereverTheFocusIs) {
    StartedWindow window;
    OrvathForm& form = window.form;
    for (const ControlId focus : {ControlId::prosptosis, ControlId::Option1, ControlId::Command2}) {
        SCOPED_TRACE(std::string(ControlName(focus)));
        form.findChild<QWidget*>(QString::fromUtf8(ControlName(focus)))->setFocus();
        window.Press(Qt::Key_Space);
        EXPECT_TRUE(form.TimerEnabled());
        window.Press(Qt::Key_Space);
        EXPECT_FALSE(form.TimerEnabled());
    }
    EXPECT_FALSE(form.ContinuousSelected());
}

TEST(Keyboard, CtrlRPutsEveryBarBackAndSelectsWavelets) {
    StartedWindow window;
    OrvathForm& form = window.form;
    form.Click(ControlId::Option1);
    form.MoveBar(ControlId::prosptosis, 60);
    form.MoveBar(ControlId::N_REFR, 240);
    form.MoveBar(ControlId::arithkyMATON, 31);
    form.MoveBar(ControlId::xronos, 4000);
    window.Press(Qt::Key_R, Qt::ControlModifier);
    const BarValues bars = form.Bars();
    EXPECT_EQ(bars.prosptosis, 25);
    EXPECT_EQ(bars.N_REFR, 50);
    EXPECT_EQ(bars.arithkyMATON, 10);
    EXPECT_EQ(bars.xronos, 2000);
    EXPECT_FALSE(form.ContinuousSelected());
    // The handlers ran: captions and speeds follow the bars.
    EXPECT_EQ(form.CaptionShown(ControlId::Label1), "ANGLE OF INCIDENCE= 25");
    EXPECT_EQ(form.CaptionShown(ControlId::Label4), "c2=  C1/0.50");
    EXPECT_EQ(form.CaptionShown(ControlId::Label3), "# WAVES = 10");
    EXPECT_DOUBLE_EQ(form.State().C2, 10);
}

TEST(Keyboard, CtrlRFromTheContinuousPictureDrawsTheWaveletsEvenWhenNoBarMoves) {
    // The wavelet picture at the design values, as the time bar's handler draws it.
    StartedWindow reference;
    reference.form.MoveBar(ControlId::xronos, 1000);
    reference.form.MoveBar(ControlId::xronos, 2000);

    StartedWindow window;
    window.form.Click(ControlId::Option1);
    window.form.MoveBar(ControlId::xronos, 2000);
    ASSERT_TRUE(window.form.ContinuousSelected());
    window.Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(window.form.ContinuousSelected());
    EXPECT_EQ(Picture(window.form), Picture(reference.form));
}

}  // namespace
}  // namespace orvath::testing
