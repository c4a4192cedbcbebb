// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <tuple>

#include "desktop/fonts.h"
#include "desktop/picture_file.h"
#include "model/world_frame.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

using RgbKey = std::tuple<int, int, int>;

// Every colour the pictures draw in (black for the foreground), over both
// pictures in both views, with and without the reflected wave, across the
// bars' ranges.
std::set<RgbKey> ColoursOfEveryPicture() {
    std::set<RgbKey> colours;
    for (const View view : {View::Classic, View::Exact}) {
        for (const bool reflection : {false, true}) {
            DisplayList picture;
            Panel panel(picture);
            panel.SetView(view);
            panel.SetReflection(reflection);
            panel.StartUp(960 * kTwipsPerPixel, 540 * kTwipsPerPixel);
            for (const Button mode : {Button::Wavelets, Button::Continuous}) {
                panel.Click(mode);
                for (const int angle : {0, 25, 40, 60, 89}) {
                    for (const int index : {50, 75, 100, 150, 300}) {
                        for (const int waves : {5, 39}) {
                            for (const int time : {0, 500, 2000, 5000}) {
                                panel.MoveBar(Bar::Angle, angle);
                                panel.MoveBar(Bar::Index, index);
                                panel.MoveBar(Bar::Waves, waves);
                                panel.MoveBar(Bar::Time, time);
                                for (const DrawOp& op : picture.Ops()) {
                                    const Rgb rgb = op.colour.value_or(Rgb{});
                                    colours.emplace(rgb.r, rgb.g, rgb.b);
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return colours;
}

TEST(ProjectorTheme, EveryColourUsedIsDarkerMoreSaturatedAndContrastsWithTheBackground) {
    const std::set<RgbKey> colours = ColoursOfEveryPicture();
    ASSERT_GE(colours.size(), 15u) << "the pictures' colours were not all found";
    for (const auto& [r, g, b] : colours) {
        const Colour colour = Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                  static_cast<std::uint8_t>(b)};
        const QColor classic = ThemeColour(Theme::Classic, colour);
        const QColor projected = ThemeColour(Theme::Projector, colour);
        SCOPED_TRACE(classic.name().toStdString() + " -> " + projected.name().toStdString());
        EXPECT_EQ(classic, QColor(r, g, b));
        EXPECT_GE(ContrastRatio(projected, kBackgroundColour), kProjectorContrast);
        EXPECT_GE(ContrastRatio(projected, kBackgroundColour),
                  ContrastRatio(classic, kBackgroundColour));
        EXPECT_GE(projected.hslSaturationF(), classic.hslSaturationF() - 0.01);
        if (classic.hslSaturationF() > 0.05) {
            const double turn = std::abs(projected.hslHueF() - classic.hslHueF());
            EXPECT_LT(std::min(turn, 1 - turn), 2.0 / 360) << "the hue is kept";
        }
    }
    // The contrast itself: known values of WCAG 2.
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21);
    EXPECT_NEAR(ContrastRatio(QColor(255, 0, 0), Qt::white), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 255), Qt::white), 8.59, 0.01);
}

TEST(ProjectorTheme, WidthsGrowWithThePictureFromThreeTimesAt1920x1080) {
    EXPECT_EQ(WidthScale(Theme::Classic, QSizeF(1920, 1080)), 1);
    EXPECT_EQ(WidthScale(Theme::Projector, QSizeF(1920, 1080)), 3);
    EXPECT_EQ(WidthScale(Theme::Projector, QSizeF(1920, 1200)), 3);
    EXPECT_EQ(WidthScale(Theme::Projector, QSizeF(3840, 2160)), 6);
    EXPECT_EQ(WidthScale(Theme::Projector, QSizeF(960, 540)), 1.5);
    EXPECT_EQ(WidthScale(Theme::Projector, QSizeF(320, 240)), 1);
}

// The inked pixels along row y from x on, to the first white one.
int InkedRun(const QImage& image, int x, int y) {
    int run = 0;
    while (x + run < image.width() && qGray(image.pixel(x + run, y)) < 250) {
        ++run;
    }
    return run;
}

// A line of width 1 or 2 and dots of width 1, 5 and 9 (the renderers' pens),
// painted at 1920x1080 in pixel coordinates: each comes out three times as
// wide in the projector theme and as wide as its pen in the classic one.
TEST(ProjectorTheme, LinesAndDotsArePaintedThreeTimesAsWideAt1920x1080) {
    struct Case {
        bool dot;
        int width;
    };
    const Case cases[] = {{false, 1}, {false, 2}, {true, 1}, {true, 5}, {true, 9}};
    for (const Case& c : cases) {
        DisplayList picture;
        Surface& surface = picture;
        surface.Scale(0, 0, 1920, 1080);
        surface.Cls();
        surface.DrawWidth(c.width);
        c.dot ? surface.PSet(500.5F, 500.5F) : surface.Line(500, 100, 500, 900);
        for (const Theme theme : {Theme::Classic, Theme::Projector}) {
            const QImage image = RenderPicture(picture, PrintFont(), QSize(1920, 1080), theme);
            const int from = 500 - 3 * c.width;
            int start = from;
            while (qGray(image.pixel(start, 500)) >= 250) {
                ++start;
            }
            const int expected = c.width * (theme == Theme::Projector ? 3 : 1);
            EXPECT_NEAR(InkedRun(image, start, 500), expected, 1)
                << (c.dot ? "dot " : "line ") << c.width << " in " << ThemeName(theme);
        }
    }
}

// The theme changes fonts and paint, never where a control is; saving and
// copying follow it.
TEST(ProjectorTheme, TheWindowKeepsItsControlsInPlaceAndSavesWhatItShows) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    std::vector<QRect> places;
    std::vector<double> points;
    for (const Control control : kControls) {
        places.push_back(window.ControlWidget(control).geometry());
        points.push_back(window.ControlWidget(control).font().pointSizeF());
    }
    started.Press(Qt::Key_T);
    ASSERT_EQ(window.CurrentTheme(), Theme::Projector);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        EXPECT_EQ(window.ControlWidget(kControls[i]).geometry(), places[i]);
        if (kControls[i] != Control::AngleBar && kControls[i] != Control::TimeBar &&
            kControls[i] != Control::WavesBar && kControls[i] != Control::IndexBar) {
            EXPECT_NEAR(window.ControlWidget(kControls[i]).font().pointSizeF(), 1.3 * points[i],
                        0.01)
                << ControlName(kControls[i]);
        }
    }
    const Canvas& canvas = window.CanvasWidget();
    const QImage projected =
        RenderPicture(canvas.Picture(), window.font(), canvas.size(), Theme::Projector);
    EXPECT_NE(projected, RenderPicture(canvas.Picture(), window.font(), canvas.size()));
    const QTemporaryDir dir;
    ASSERT_EQ(started.desktop->SavePicture(dir.filePath("p.png")), "");
    EXPECT_EQ(QImage(dir.filePath("p.png")).convertToFormat(QImage::Format_RGB32), projected);
    started.Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              projected);
    started.Press(Qt::Key_T);
    EXPECT_EQ(window.CurrentTheme(), Theme::Classic);
    EXPECT_EQ(window.LabelWidget(Bar::Angle).font().pointSizeF(), 14);
}

}  // namespace
}  // namespace orvath::testing
