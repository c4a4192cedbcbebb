// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "desktop/picture_file.h"
#include "model/world_frame.h"
#include "panel/panel.h"
#include "panel/picture_hands.h"
#include "panel/settings.h"
#include "surface/picture_fonts.h"
#include "web/svg_picture.h"
#include "web/url_settings.h"

namespace orvath::web {
namespace {

// Dark enough not to be the faint edge of an antialiased stroke.
bool Ink(QRgb pixel) {
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 192;
}

// The share of a's ink that b has within one pixel. Two rasterisers put a
// stroke's edges a fraction of a pixel apart, never a whole pixel.
double InkFoundNearby(const QImage& a, const QImage& b) {
    long ink = 0;
    long found = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            if (!Ink(a.pixel(x, y))) {
                continue;
            }
            ++ink;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    near = Ink(b.pixel(x + dx, y + dy));
                }
            }
            found += near ? 1 : 0;
        }
    }
    return ink == 0 ? 1 : static_cast<double>(found) / static_cast<double>(ink);
}

// The saved drawing, rendered by Qt's SVG renderer, is the picture the
// desktop paints in the same theme: every line, arc, dash, dot and text in its
// place, as wide as the desktop's (three times as wide at 1920x1080 in the
// projector theme); zoomed with its labels at their size, and with the
// instruments over it as the window shows them.
TEST(SvgPicture, RendersAsTheDesktopPaints) {
    // Qt's SVG renderer takes a list of families for one family's name.
    for (const std::string_view families : {kLabelFontFamilies, kPrintFontFamilies}) {
        const QString list =
            QString::fromUtf8(families.data(), static_cast<qsizetype>(families.size()));
        QFont::insertSubstitution(list, list.section(QStringLiteral(", "), 0, 0));
    }
    struct Case {
        const char* link;
        Theme theme;
        int width;
        int height;
        Zoom zoom = {};
        bool instruments = false;
    };
    const double middle = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"", Theme::Classic, 800, 500},
        {"mode=continuous&angle=40&index=150&time=150", Theme::Classic, 800, 500},
        {"view=exact&reflection=on&angle=35&index=150&waves=7&time=1500", Theme::Classic, 800, 500},
        {"view=exact&mode=continuous&angle=70&index=60&time=900", Theme::Classic, 800, 500},
        {"view=exact&reflection=on&angle=35&index=150&waves=7&time=1500", Theme::Projector, 1920,
         1080},
        {"mode=continuous&angle=40&index=150&time=150", Theme::Projector, 1920, 1080},
        {"angle=40&index=150&time=1500", Theme::Classic, 800, 500, {3, -150, 20}, true},
        {"view=exact&reflection=on&angle=35&index=150&waves=7&time=1500",
         Theme::Classic,
         800,
         500,
         {8, middle, middle}},
        {"view=exact&mode=continuous&angle=70&index=60&time=900",
         Theme::Projector,
         1000,
         700,
         {2.5, -20, -60},
         true}};
    for (const auto& [link, theme, kWidth, kHeight, zoom, instruments] : cases) {
        DisplayList picture;
        Panel panel(picture);
        const PanelSettings settings = ParseUrlSettings(link).settings;
        ApplyViewSettings(settings, panel);
        panel.StartUp(kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel);
        ApplySettings(settings, panel);
        PackedPicture packed;
        PackPicture(picture, kWidth, kHeight, theme, packed, zoom);
        if (instruments) {
            // Laid over the page's picture, drawn into the desktop's as its
            // export does.
            PictureHands hands(panel, panel);
            hands.SetArea(kWidth, kHeight);
            hands.ShowProtractor(true);
            hands.ShowRuler(true);
            DisplayList over;
            hands.DrawInstruments(over);
            AddToPicture(over, kWidth, kHeight, theme, packed, zoom);
            hands.DrawInstruments(picture);
        }

        const std::string svg = SvgPicture(packed, kWidth, kHeight);
        QSvgRenderer renderer(QByteArray::fromStdString(svg));
        ASSERT_TRUE(renderer.isValid()) << link;
        QImage drawn(kWidth, kHeight, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(8.25);
        const QImage desktop = RenderPicture(picture, font, QSize(kWidth, kHeight), theme, zoom);
        EXPECT_GT(InkFoundNearby(drawn, desktop), 0.98) << link;
        EXPECT_GT(InkFoundNearby(desktop, drawn), 0.98) << link;
    }
}

// In either theme: the foreground as -1 and colours as the theme paints them,
// a full circle cut into arcs that end where it began, nothing for an arc of
// no sweep (as on the desktop), a new stroke for a new pen style alone, a wide
// line just outside the area kept for the edge of it that shows; packing
// again gives the same.
TEST(SvgPicture, EscapesTextsCutsArcsAndFollowsThePen) {
    constexpr Rgb kRed{200, 0, 0};
    DisplayList list;
    list.Scale(-100, 100, 100, -100);
    list.Circle(0, 0, 50, 0, 7, kForeground);
    list.Circle(0, 0, 30, 2, 2, kForeground);
    list.Print("n < 1 & c2 > c1");
    list.DrawStyle(LineStyle::Dotted);
    list.Line(-50, 10, 50, 10, kForeground);
    list.DrawStyle(LineStyle::Solid);
    list.DrawWidth(9);
    list.Line(-50, 103, 50, 103, kRed);
    for (const Theme theme : {Theme::Classic, Theme::Projector}) {
        PackedPicture packed;
        PackPicture(list, 200, 200, theme, packed);
        const PackedPicture once = packed;
        PackPicture(list, 200, 200, theme, packed);
        EXPECT_EQ(packed, once);
        EXPECT_EQ(packed.records.at(1), -1);
        const std::string svg = SvgPicture(packed, 200, 200);
        EXPECT_NE(svg.find("n &lt; 1 &amp; c2 &gt; c1"), std::string::npos);
        EXPECT_NE(svg.find("M150 100A50 50 0 0 0 "), std::string::npos) << svg;
        EXPECT_NE(svg.find("A50 50 0 0 0 150 100\"/>"), std::string::npos) << svg;
        EXPECT_EQ(std::count(svg.begin(), svg.end(), 'A'), 3);
        EXPECT_NE(svg.find("stroke-dasharray=\"1 2\" d=\"M50 90L150 90\""), std::string::npos);
        const Rgb red = ThemeColour(theme, kRed);
        char path[160];
        std::snprintf(path, sizeof path,
                      "stroke=\"#%02x%02x%02x\" stroke-width=\"9\" stroke-linecap=\"butt\" "
                      "stroke-linejoin=\"miter\" d=\"M50 -3L150 -3\"",
                      red.r, red.g, red.b);
        EXPECT_NE(svg.find(path), std::string::npos) << svg;
    }
}

}  // namespace
}  // namespace orvath::web
