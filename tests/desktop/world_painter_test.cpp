// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <cmath>
#include <numbers>

#include "desktop/world_painter.h"
#include "surface/picture_fonts.h"

namespace orvath {
namespace {

constexpr double kPi = std::numbers::pi;
// A 16:9 view as the window has it, painted small to keep the test quick.
constexpr float kLeft = -355.5f;
const QSize kArea(640, 360);

DisplayList EmptyPicture() {
    DisplayList list;
    list.Scale(kLeft, 100, 0, -100);
    return list;
}

QFont PrintFont() {
    QFont font("Times New Roman");
    font.setPointSizeF(8.25);
    return font;
}

QImage Paint(const DisplayList& list, const QRectF& visible = {}) {
    QImage image(kArea, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    if (!visible.isEmpty()) {
        painter.setClipRect(visible);
    }
    PaintDisplayList(list, painter, kArea, PrintFont(), visible);
    return image;
}

// Every line and arc drawn whole, as the painter did before it cut them to
// the view: the picture that the cut ones must match.
QImage PaintUncut(const DisplayList& list) {
    QImage image(kArea, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double sx = kArea.width() / (0.0 - kLeft);
    const double sy = kArea.height() / 200.0;
    const auto px = [&](double x, double y) { return QPointF((x - kLeft) * sx, (100 - y) * sy); };
    for (const DrawOp& op : list.Ops()) {
        const QColor colour =
            op.colour ? QColor(op.colour->r, op.colour->g, op.colour->b) : QColor(Qt::black);
        painter.setPen(QPen(colour, op.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        if (op.kind == DrawOp::Kind::Line) {
            painter.drawLine(px(op.x1, op.y1), px(op.x2, op.y2));
        } else if (op.kind == DrawOp::Kind::Circle) {
            double sweep = op.end - op.start;
            sweep = std::min(sweep < 0 ? sweep + 2 * kPi : sweep, 2 * kPi);
            const double r = op.x2 * sx;
            const QPointF c = px(op.x1, op.y1);
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            QPainterPath path;
            path.arcMoveTo(box, op.start * 180 / kPi);
            path.arcTo(box, op.start * 180 / kPi, sweep * 180 / kPi);
            painter.drawPath(path);
        }
    }
    return image;
}

struct Difference {
    int inked = 0;    // pixels dark in either picture
    int differs = 0;  // pixels whose grey differs by more than a quarter
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int ga = qGray(a.pixel(x, y));
            const int gb = qGray(b.pixel(x, y));
            d.inked += ga < 200 || gb < 200;
            d.differs += std::abs(ga - gb) > 64;
        }
    }
    return d;
}

TEST(WorldPainter, LinesAndArcsLookAsWhenDrawnWholeByTheStroker) {
    DisplayList list = EmptyPicture();
    Surface& s = list;
    // Rays at 89 degrees from the normal, reaching 57 view heights.
    for (int i = 0; i < 8; ++i) {
        const double a = 89 * kPi / 180;
        const float x = -40.0f * static_cast<float>(i);
        s.Line(x, 0, x - static_cast<float>(11400 * std::sin(a)),
               static_cast<float>(-11400 * std::cos(a)));
        s.Line(x, 100, x + 11400, -100 + static_cast<float>(i));
    }
    // The boundary drawn again and again, the normal, and a wide horizontal line.
    for (int i = 0; i < 12; ++i) {
        s.Line(kLeft, 0, 0, 0);
    }
    s.Line(0, -100, 0, 100);
    s.Line(-200, -300, -200, 300, Rgb{0, 0, 255});
    s.DrawWidth(3);
    s.Line(-300, 40.3f, -100, 40.3f, Rgb{255, 0, 0});
    s.DrawWidth(1);
    // Circles that cut the view's edges, whole and in part, one wrapping past 0.
    s.Circle(-20, -30, 150, 0, static_cast<float>(2 * kPi));
    s.Circle(-300, 80, 90, static_cast<float>(kPi), static_cast<float>(2 * kPi));
    s.Circle(-180, -250, 260, static_cast<float>(1.5 * kPi), static_cast<float>(0.4 * kPi),
             Rgb{255, 0, 0});
    s.DrawWidth(3);
    s.Circle(10, 10, 120, static_cast<float>(0.5 * kPi), static_cast<float>(1.9 * kPi));
    s.DrawWidth(1);
    // Circles that enclose the whole view, and some that miss it.
    s.Circle(-150, 0, 1500, 0, static_cast<float>(2 * kPi));
    s.Circle(-150, -1000, 1400, 0, static_cast<float>(2 * kPi));
    s.Circle(100, 0, 60, 0, static_cast<float>(2 * kPi));

    const Difference d = Compare(Paint(list), PaintUncut(list));
    ASSERT_GT(d.inked, 3000);
    // Arc ends and segment ends may land a fraction of a pixel apart.
    EXPECT_LT(d.differs, d.inked / 200);
}

TEST(WorldPainter, WhatLiesOutsideTheViewLeavesItBlank) {
    DisplayList list = EmptyPicture();
    Surface& s = list;
    s.Line(10, -500, 10, 500);
    s.Line(-400, 150, 50, 120);
    s.Circle(-150, 0, 1500, 0, static_cast<float>(2 * kPi));
    s.Circle(-150, 0, 300, static_cast<float>(kPi / 4), static_cast<float>(kPi / 2));
    s.DrawWidth(9);
    s.PSet(5, 5, kForeground);
    const QImage image = Paint(list);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 250;
        }
    }
    EXPECT_EQ(dark, 0);
}

// A wide dot or line whose centre lies just outside the view, or outside the
// part being repainted, still shows the part of it that reaches in.
TEST(WorldPainter, WidePensJustOutsideShowWhatReachesIn) {
    const double unit = 355.5 / kArea.width();  // world units per pixel
    const QPoint middleRight(kArea.width() - 1, kArea.height() / 2);
    const QRect part(300, 150, 40, 40);
    struct Case {
        const char* what;
        double x, y;    // world position of the dot or of the line's middle
        bool alongX;    // the line runs along x (beyond a top or bottom edge)
        QRect visible;  // empty: the whole area
        QPoint seen;    // a pixel that must be red
    };
    const Case cases[] = {
        {"on the right edge", 0, 0, false, {}, middleRight},
        {"2 px right of the view", 2 * unit, 0, false, {}, middleRight},
        {"2 px above the view",
         -100,
         100 + 2 * unit,
         true,
         {},
         {static_cast<int>(255.5 / unit), 0}},
        {"2 px right of the repainted part",
         kLeft + (part.right() + 3) * unit,
         100 - part.center().y() * 200.0 / kArea.height(),
         false,
         part,
         {part.right(), part.center().y()}},
    };
    for (const Case& c : cases) {
        for (const bool dot : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (dot ? ", dot" : ", line"));
            DisplayList list = EmptyPicture();
            Surface& s = list;
            s.DrawWidth(9);
            const auto x = static_cast<float>(c.x);
            const auto y = static_cast<float>(c.y);
            if (dot) {
                s.PSet(x, y, Rgb{255, 0, 0});
            } else {
                // A short line along the edge it lies beyond.
                const float dx = c.alongX ? 5 : 0;
                const float dy = c.alongX ? 0 : 5;
                s.Line(x - dx, y - dy, x + dx, y + dy, Rgb{255, 0, 0});
            }
            EXPECT_EQ(Paint(list, c.visible).pixel(c.seen), qRgb(255, 0, 0));
        }
    }
}

TEST(WorldPainter, APartialRepaintMatchesTheWholePictureInsideItsRectangle) {
    DisplayList list = EmptyPicture();
    Surface& s = list;
    s.Line(-350, -90, -5, 95);
    s.Circle(-100, 0, 80, 0, static_cast<float>(2 * kPi), Rgb{0, 0, 255});
    s.DrawStyle(LineStyle::Dotted);
    s.Line(-355, 50, 0, 50);
    const QRect part(400, 100, 120, 90);
    const QImage whole = Paint(list);
    const QImage repaint = Paint(list, part);
    int inked = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            ASSERT_EQ(repaint.pixel(x, y), whole.pixel(x, y)) << x << ',' << y;
            inked += qGray(whole.pixel(x, y)) < 200;
        }
    }
    EXPECT_GT(inked, 50);
    // Outside the rectangle nothing was painted.
    EXPECT_EQ(repaint.pixel(10, 10), QColor(Qt::gray).rgb());
}

// A tall picture is painted in bands of rows; lines, arcs, dots, dotted
// lines and texts across a band's edge come out as painted in one piece.
TEST(WorldPainter, APictureInBandsIsThePictureInOnePiece) {
    const QSize tall(800, 1400);
    DisplayList list;
    list.Scale(-100, 175, 0, -175);
    Surface& s = list;
    for (int i = 0; i < 12; ++i) {
        s.Line(-100 + 8 * i, 175, -95 + 7 * i, -175, Rgb{200, 0, 0});
    }
    // The bands of an 800-wide picture meet at world y = -70.75.
    s.Circle(-50, -70, 40, 0, static_cast<float>(2 * kPi), Rgb{0, 0, 255});
    s.DrawWidth(5);
    s.PSet(-40, -70.5f);
    s.DrawWidth(1);
    s.DrawStyle(LineStyle::Dotted);
    s.Line(-99, 150, -1, -150);
    s.SetCurrent(-80, -69);
    s.Print("across the edge");
    s.SetFont(6);
    s.Backing(-60, -68, -20, -74, Rgb{255, 255, 200});
    s.SetCurrent(-60, -68);
    s.Print("a label");
    const auto paint = [&](bool bands) {
        QImage image(tall, QImage::Format_RGB32);
        QPainter painter(&image);
        if (bands) {
            PaintDisplayList(list, painter, tall, PrintFont());
        } else {
            painter.fillRect(image.rect(), Qt::white);
            PaintOverlay(list, painter, tall, PrintFont());
        }
        return image;
    };
    EXPECT_EQ(paint(true), paint(false));
}

// The labels' widths, measured without Qt, are the face's own: every
// character's advance as the face has it, and whole texts (which Qt may kern)
// never wider than measured; a text in the labels' face is painted inside
// the box the layout gave it.
TEST(WorldPainter, LabelsAreAsWideAsTheirFaceSaysAndPaintedWhereMeasured) {
    const QRawFont face(
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"), 2048,
        QFont::PreferNoHinting);
    ASSERT_TRUE(face.isValid());
    int measured = 0;
    for (char32_t c = 0x20; c < 0x2300; ++c) {
        const QString text = QString::fromUcs4(&c, 1);
        const std::string utf8 = text.toStdString();
        const double width = LabelTextWidthEm(utf8);
        const QList<quint32> glyphs = face.glyphIndexesForString(text);
        if (glyphs.isEmpty() || glyphs.front() == 0 || width == 1) {
            continue;  // no glyph, or counted as one em like an ideograph
        }
        EXPECT_NEAR(width, face.advancesForGlyphIndexes(glyphs).front().x() / 2048, 1e-3)
            << std::hex << static_cast<unsigned>(c);
        ++measured;
    }
    EXPECT_GT(measured, 400);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    const QFontMetricsF metrics(font);
    for (const char* text : {"sin θ1 = c1·Δt / d = 0.643", "LESS THAN CRITICAL", "Wavelength λ2",
                             "medium 2: glass, n = 1.50", "AVAWAY Te Ty"}) {
        EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)),
                  LabelTextWidthEm(text) * 40 + 0.5)
            << text;
    }
    DisplayList list = EmptyPicture();
    Surface& s = list;
    s.SetFont(10);
    s.SetCurrent(-300, 50);
    s.Print("LESS THAN CRITICAL");
    const QImage painted = Paint(list);
    // The box: from (-300, 50) down the face's height, across the measured width.
    const double px = kArea.height() / 200.0;
    const QRectF box(QPointF((-300 - kLeft) * px, (100 - 50) * px),
                     QSizeF(LabelTextWidthEm("LESS THAN CRITICAL") * 10 * px,
                            (kLabelAscentEm + kLabelDescentEm) * 10 * px));
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (qGray(painted.pixel(x, y)) < 128) {
                (box.adjusted(-1, -1, 1, 1).contains(x, y) ? inside : outside) += 1;
            }
        }
    }
    EXPECT_GT(inside, 200);
    EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace orvath
