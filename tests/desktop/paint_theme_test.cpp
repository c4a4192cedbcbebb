// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <tuple>

#include "desktop/fonts.h"
#include "desktop/panel_fonts.h"
#include "desktop/picture_file.h"
#include "desktop/world_painter.h"
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
        const QColor classic = ToQColor(ThemeColour(Theme::Classic, colour));
        const QColor projected = ToQColor(ThemeColour(Theme::Projector, colour));
        SCOPED_TRACE(classic.name().toStdString() + " -> " + projected.name().toStdString());
        EXPECT_EQ(classic, QColor(r, g, b));
        const double contrast =
            ContrastRatio(ThemeColour(Theme::Projector, colour), kBackgroundRgb);
        EXPECT_GE(contrast, kProjectorContrast);
        EXPECT_GE(contrast, ContrastRatio(*colour, kBackgroundRgb));
        // Lightness goes down a fifth, then by steps of 0.01 until the
        // contrast reaches half a point above the floor (to the rounding to 8
        // bits), and no further.
        constexpr double kTarget = kProjectorContrast + 0.5;
        EXPECT_GE(contrast, kTarget - 0.02);
        if (projected.lightnessF() < 0.8 * classic.lightnessF() - 0.005) {
            const QColor lighter = QColor::fromHslF(projected.hslHueF(), projected.hslSaturationF(),
                                                    projected.lightnessF() + 0.012);
            EXPECT_LT(ContrastRatio({static_cast<std::uint8_t>(lighter.red()),
                                     static_cast<std::uint8_t>(lighter.green()),
                                     static_cast<std::uint8_t>(lighter.blue())},
                                    kBackgroundRgb),
                      kTarget);
        }
        EXPECT_GE(projected.hslSaturationF(), classic.hslSaturationF() - 0.01);
        if (classic.hslSaturationF() > 0.05) {
            const double turn = std::abs(projected.hslHueF() - classic.hslHueF());
            EXPECT_LT(std::min(turn, 1 - turn), 2.0 / 360) << "the hue is kept";
        }
    }
    // The contrast itself: known values of WCAG 2.
    EXPECT_DOUBLE_EQ(ContrastRatio(kForegroundRgb, kBackgroundRgb), 21);
    EXPECT_NEAR(ContrastRatio({255, 0, 0}, kBackgroundRgb), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio({0, 0, 255}, kBackgroundRgb), 8.59, 0.01);
}

TEST(ProjectorTheme, WidthsGrowWithThePictureFromThreeTimesAt1920x1080) {
    EXPECT_EQ(WidthScale(Theme::Classic, 3840, 2160), 1);
    EXPECT_EQ(WidthScale(Theme::Projector, 1920, 1200), 3);
    EXPECT_EQ(WidthScale(Theme::Projector, 3840, 2160), 6);
    EXPECT_EQ(WidthScale(Theme::Projector, 960, 540), 1.5);
    EXPECT_EQ(WidthScale(Theme::Projector, 320, 240), 1);
}

// A line of width 1 or 2 and dots of width 1, 5 and 9 (the renderers' pens),
// painted at 1920x1080 in pixel coordinates: across row 500 each inks three
// times its pen's width in the projector theme, and its pen's in the classic.
TEST(ProjectorTheme, LinesAndDotsArePaintedThreeTimesAsWideAt1920x1080) {
    for (const auto& [dot, width] :
         {std::pair{false, 1}, {false, 2}, {true, 1}, {true, 5}, {true, 9}}) {
        DisplayList picture;
        Surface& surface = picture;
        surface.Scale(0, 0, 1920, 1080);
        surface.DrawWidth(width);
        dot ? surface.PSet(500.5F, 500.5F) : surface.Line(500, 100, 500, 900);
        for (const Theme theme : {Theme::Classic, Theme::Projector}) {
            const QImage image = RenderPicture(picture, PrintFont(), QSize(1920, 1080), theme);
            int inked = 0;
            for (int x = 400; x < 600; ++x) {
                inked += qGray(image.pixel(x, 500)) < 250;
            }
            EXPECT_NEAR(inked, width * (theme == Theme::Projector ? 3 : 1), 1)
                << (dot ? "dot " : "line ") << width << " in " << ThemeName(theme);
        }
    }
}

// The theme changes fonts and paint, never where a control is; saving and
// copying follow it.
TEST(ProjectorTheme, TheWindowKeepsItsControlsInPlaceAndSavesWhatItShows) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    std::vector<QRect> places;
    for (const Control control : kControls) {
        places.push_back(window.ControlWidget(control).geometry());
    }
    started.Press(Qt::Key_T);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        EXPECT_EQ(window.ControlWidget(kControls[i]).geometry(), places[i]);
    }
    EXPECT_DOUBLE_EQ(window.LabelWidget(Bar::Angle).font().pointSizeF(), 14 * 1.3);
    const Canvas& canvas = window.CanvasWidget();
    const QImage projected =
        RenderPicture(canvas.Picture(), window.font(), canvas.size(), Theme::Projector);
    const QTemporaryDir dir;
    ASSERT_EQ(started.desktop->SavePicture(dir.filePath("p.png")), "");
    EXPECT_EQ(QImage(dir.filePath("p.png")).convertToFormat(QImage::Format_RGB32), projected);
    started.Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              projected);
    started.Press(Qt::Key_T);
    EXPECT_EQ(window.LabelWidget(Bar::Angle).font().pointSizeF(), 14);
}

// In the projector theme every text of the panel fits its control on the
// screens a class projects on: a caption on one line inside its label and off
// the others' ink, with the bars at their ends; an option, switch or button's
// text inside it. The captions grow where there is room.
TEST(ProjectorTheme, EveryTextOfThePanelFitsItsControl) {
    for (const auto& [width, height] :
         {std::pair{1024, 768}, {1280, 720}, {1366, 768}, {1920, 1080}}) {
        // Themed before start-up, as the program starts with --theme.
        OrvathWindow window(WindowWiring{.realTimeTimer = false});
        window.SetTheme(Theme::Projector);
        window.StartUp({QRect(0, 0, width, height), 15});
        window.AddDesktopFeatures();
        for (const Bar bar : kBars) {
            window.MoveBar(bar, SettingOf(bar).max);
        }
        const std::string where = std::to_string(width) + "x" + std::to_string(height);
        QList<QRect> inks;
        for (const Bar bar : kBars) {
            const QLabel& label = window.LabelWidget(bar);
            const QRect ink = LabelInk(label, label.text(), label.font());
            EXPECT_TRUE(label.geometry().contains(ink))
                << label.text().toStdString() << " " << where;
            EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(label.text()),
                      label.contentsRect().width())
                << label.text().toStdString() << " " << where;
            // Apart, with a gap a reader sees.
            for (const QRect& other : inks) {
                EXPECT_FALSE(other.adjusted(-1, -1, 1, 1).intersects(ink))
                    << label.text().toStdString() << " " << where;
            }
            inks.append(ink);
            if (width == 1920) {
                EXPECT_GT(label.font().pointSizeF(), 14.5) << "grows at " << where;
            }
            // One size for the captions of the bars alike.
            EXPECT_DOUBLE_EQ(
                label.font().pointSizeF() / window.LabelWidget(Bar::Angle).font().pointSizeF(),
                bar == Bar::Waves ? 12.0 / 14 : 1)
                << where;
        }
        std::vector<QAbstractButton*> buttons = {&window.ExactSwitch(), &window.ReflectionSwitch()};
        for (const Button button :
             {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
            buttons.push_back(&window.ButtonWidget(button));
        }
        for (const QAbstractButton* button : buttons) {
            EXPECT_LE(button->sizeHint().width(), button->width())
                << button->text().toStdString() << " " << where;
            EXPECT_LE(button->sizeHint().height(), button->height())
                << button->text().toStdString() << " " << where;
        }
    }
}

}  // namespace
}  // namespace orvath::testing
