// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QScrollBar>
#include <sstream>

#include "desktop/orvath_window.h"
#include "surface/trace_surface.h"

namespace orvath {
namespace {

// A window started on a 1600x900 screen, drawing on its own canvas.
struct StartedForm {
    StartedForm() { form.StartUp({QRect(0, 0, 1600, 900), 15}); }
    ~StartedForm() { QLocale::setDefault(QLocale::c()); }
    OrvathWindow form{WindowWiring{.realTimeTimer = false}};
};

QRect Geometry(const OrvathWindow& form, const char* name) {
    const auto* widget = form.findChild<QWidget*>(name);
    return widget ? widget->geometry() : QRect();
}

TEST(FormWindow, ControlsSitWhereTheWorldLayoutPutsThem) {
    StartedForm started;
    const OrvathWindow& form = started.form;
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

TEST(FormWindow, BarsHaveTheirRangesStepsAndFollowTheThumb) {
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
        EXPECT_TRUE(bar->hasTracking()) << e.name;
    }
}

TEST(FormWindow, CaptionsShowTheLocaleDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    StartedForm started;
    started.form.MoveBar(Bar::Index, 150);
    EXPECT_EQ(started.form.LabelWidget(Bar::Index).text(), "c2=  C1/1,50");
    EXPECT_EQ(started.form.LabelWidget(Bar::Time).text(), "TIME= 20,00 * T");
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

// What the model does by itself (ticks, Ctrl+R, "CONTINUOUS" resetting the
// time) shows on the widgets without raising their handlers again.
TEST(FormWindow, TheWidgetsMirrorTheModel) {
    StartedForm started;
    OrvathWindow& form = started.form;
    form.MoveBar(Bar::Time, 4999);
    form.Click(Button::Start);
    form.DeliverTicks(10);
    EXPECT_FALSE(form.Model().TimerEnabled());
    EXPECT_EQ(form.BarWidget(Bar::Time).value(), 5000);

    form.Click(Button::Continuous);
    EXPECT_EQ(form.BarWidget(Bar::Time).value(), 5);
    form.MoveBar(Bar::Angle, 60);
    form.Model().ResetToStart();
    for (const Bar bar : kBars) {
        EXPECT_EQ(form.BarWidget(bar).value(), SettingOf(bar).start) << SettingOf(bar).word;
    }
    EXPECT_TRUE(form.ButtonWidget(Button::Wavelets).isChecked());
    EXPECT_FALSE(form.ButtonWidget(Button::Continuous).isChecked());
    EXPECT_EQ(form.LabelWidget(Bar::Angle).text(), "ANGLE OF INCIDENCE= 25");
}

}  // namespace
}  // namespace orvath
