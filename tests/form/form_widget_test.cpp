// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QScrollBar>
#include <sstream>

#include "desktop/startup.h"
#include "desktop/orvath_form.h"
#include "surface/trace_surface.h"

namespace orvath {
namespace {

// A form started on a 1600x900 screen, drawing on its own canvas.
struct StartedForm {
    StartedForm() { Main(form, {QRect(0, 0, 1600, 900), 15}); }
    ~StartedForm() { QLocale::setDefault(QLocale::c()); }
    OrvathForm form{FormWiring{.surface = nullptr, .observer = nullptr, .realTimeTimer = false}};
};

QRect Geometry(const OrvathForm& form, const char* name) {
    const auto* widget = form.findChild<QWidget*>(name);
    return widget ? widget->geometry() : QRect();
}

TEST(FormWindow, ControlsSitWhereTheWorldLayoutPutsThem) {
    StartedForm started;
    const OrvathForm& form = started.form;
    EXPECT_EQ(form.size(), QSize(1600, 900));
    // 1600 pixels span 355.56 world units, 900 pixels span 200.
    EXPECT_EQ(Geometry(form, "prosptosis"), QRect(0, 0, 160, 23));
    EXPECT_EQ(Geometry(form, "Label1").topLeft(), QPoint(160, 0));
    EXPECT_EQ(Geometry(form, "Option2").topLeft(), QPoint(0, 113));
    EXPECT_EQ(Geometry(form, "N_REFR").topLeft(), QPoint(0, 142));
    // Command1 starts where Label1 ends: 160 + 400 pixels.
    EXPECT_EQ(Geometry(form, "Command1").topLeft(), QPoint(560, 23));
    // 2055 twips at 15 twips a pixel.
    EXPECT_EQ(Geometry(form, "Command1").width(), 137);
}

TEST(FormWindow, BarsHaveTheirRangesStepsAndNoTracking) {
    StartedForm started;
    struct Expected {
        const char* name;
        int min, max, small, large, value;
    };
    for (const Expected& e :
         {Expected{"prosptosis", 0, 89, 1, 5, 25}, Expected{"xronos", 0, 5000, 2, 50, 2000},
          Expected{"arithkyMATON", 5, 39, 2, 2, 10}, Expected{"N_REFR", 50, 300, 1, 10, 50}}) {
        const auto* bar = started.form.findChild<QScrollBar*>(e.name);
        ASSERT_NE(bar, nullptr) << e.name;
        EXPECT_EQ(bar->minimum(), e.min) << e.name;
        EXPECT_EQ(bar->maximum(), e.max) << e.name;
        EXPECT_EQ(bar->singleStep(), e.small) << e.name;
        EXPECT_EQ(bar->pageStep(), e.large) << e.name;
        EXPECT_EQ(bar->value(), e.value) << e.name;
        EXPECT_FALSE(bar->hasTracking()) << e.name;
    }
}

TEST(FormWindow, CaptionsShowTheLocaleDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    StartedForm started;
    started.form.MoveBar(ControlId::N_REFR, 150);
    EXPECT_EQ(started.form.CaptionShown(ControlId::Label4), "c2=  C1/1,50");
    EXPECT_EQ(started.form.CaptionShown(ControlId::Label2), "TIME= 20,00 * T");
}

TEST(FormWindow, CriticalFlagFollowsTheAngleAndTheIndex) {
    StartedForm started;
    OrvathForm& form = started.form;
    EXPECT_EQ(form.State().CriticalFlag, 0);
    form.MoveBar(ControlId::prosptosis, 30);
    EXPECT_EQ(form.State().CriticalFlag, -1);
    form.MoveBar(ControlId::N_REFR, 60);
    EXPECT_EQ(form.State().CriticalFlag, 0);
    EXPECT_DOUBLE_EQ(form.State().C2, 5 / 0.6);
    form.MoveBar(ControlId::N_REFR, 50);
    EXPECT_EQ(form.State().CriticalFlag, -1);
}

TEST(FormWindow, TheCanvasKeepsAndPaintsThePicture) {
    StartedForm started;
    const QImage image = started.form.CanvasWidget().grab().toImage();
    ASSERT_EQ(image.size(), QSize(1600, 900));
    // The boundary runs across the middle; the corner away from it is empty.
    int dark = 0;
    for (int x = 800; x < 1600; x += 10) {
        dark += qGray(image.pixel(x, 450)) < 128 || qGray(image.pixel(x, 449)) < 128;
    }
    EXPECT_GT(dark, 70);
    EXPECT_EQ(image.pixel(1590, 890), QColor(Qt::white).rgb());
}

TEST(FormWindow, TheTimerStopsItselfAtTheEndOfTheTime) {
    StartedForm started;
    OrvathForm& form = started.form;
    form.MoveBar(ControlId::xronos, 4999);
    form.Click(ControlId::Command1);
    EXPECT_TRUE(form.TimerEnabled());
    form.DeliverTicks(10);
    EXPECT_FALSE(form.TimerEnabled());
    EXPECT_EQ(form.Bars().xronos, 5000);
}

}  // namespace
}  // namespace orvath
