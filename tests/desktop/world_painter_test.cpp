// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "desktop/world_painter.h"

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

TEST(WorldPainter, AWideDotAtTheEdgeShowsItsVisibleHalf) {
    DisplayList list = EmptyPicture();
    Surface& s = list;
    s.DrawWidth(9);
    s.PSet(0, 0, Rgb{255, 0, 0});
    const QImage image = Paint(list);
    EXPECT_EQ(image.pixel(kArea.width() - 1, kArea.height() / 2), qRgb(255, 0, 0));
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

}  // namespace
}  // namespace orvath
