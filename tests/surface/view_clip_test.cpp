// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "surface/view_clip.h"

namespace orvath {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTurn = 2 * kPi;

// The drawing area of a 16:9 window in world units.
constexpr ViewRect kView{-355.5, -100, 0, 100};

bool IsInside(const ViewRect& v, double x, double y, double tolerance = 1e-9) {
    return x >= v.left - tolerance && x <= v.right + tolerance && y >= v.bottom - tolerance &&
           y <= v.top + tolerance;
}

// Whether the angle lies in the counter-clockwise span, allowing `slack`.
bool Covers(const AngleSpan& span, double angle, double slack = 0) {
    const double offset = std::fmod(std::fmod(angle - span.start, kTurn) + kTurn, kTurn);
    return offset <= span.sweep + slack || offset >= kTurn - slack;
}

TEST(ClipSegment, KeepsASegmentInsideExactly) {
    const Segment2 s{-10.1, 3.3, -200.7, -55.5};
    const auto clipped = ClipSegment(s, kView);
    ASSERT_TRUE(clipped);
    EXPECT_EQ(clipped->x1, s.x1);
    EXPECT_EQ(clipped->y1, s.y1);
    EXPECT_EQ(clipped->x2, s.x2);
    EXPECT_EQ(clipped->y2, s.y2);
}

TEST(ClipSegment, DropsSegmentsThatMissTheView) {
    // Entirely to one side.
    EXPECT_FALSE(ClipSegment({10, -50, 20, 50}, kView));
    EXPECT_FALSE(ClipSegment({-300, 101, 0, 150}, kView));
    // Its bounding box overlaps the view, but it passes outside the top-right corner.
    EXPECT_FALSE(ClipSegment({-20, 130, 30, 90}, kView));
    // Along an edge line but beyond the corner.
    EXPECT_FALSE(ClipSegment({5, 100, 50, 100}, kView));
}

TEST(ClipSegment, CutsASegmentToTheEdgesKeepingItsDirection) {
    const auto clipped = ClipSegment({-400, 0, 100, 50}, kView);
    ASSERT_TRUE(clipped);
    EXPECT_DOUBLE_EQ(clipped->x1, kView.left);
    EXPECT_DOUBLE_EQ(clipped->x2, kView.right);
    // Still on the original line y = (x + 400) / 10.
    EXPECT_NEAR(clipped->y1, (clipped->x1 + 400) / 10, 1e-12);
    EXPECT_NEAR(clipped->y2, (clipped->x2 + 400) / 10, 1e-12);
}

TEST(ClipSegment, CutsARayAt89DegreesToAFewHundredUnits) {
    // A ray at 89 degrees from the normal running 57 view heights down-left.
    const double length = 57 * 200.0;
    const double angle = 89 * kPi / 180;
    const Segment2 ray{-100, 0, -100 - length * std::sin(angle), -length * std::cos(angle)};
    const auto clipped = ClipSegment(ray, kView);
    ASSERT_TRUE(clipped);
    EXPECT_EQ(clipped->x1, -100);
    EXPECT_DOUBLE_EQ(clipped->x2, kView.left);
    EXPECT_LT(std::hypot(clipped->x2 - clipped->x1, clipped->y2 - clipped->y1), 256);
}

TEST(ClipSegment, HandlesAxisParallelAndZeroLengthSegments) {
    const auto vertical = ClipSegment({-50, -500, -50, 500}, kView);
    ASSERT_TRUE(vertical);
    EXPECT_EQ(vertical->y1, -100);
    EXPECT_EQ(vertical->y2, 100);
    EXPECT_TRUE(ClipSegment({-5, 5, -5, 5}, kView));
    EXPECT_FALSE(ClipSegment({5, 5, 5, 5}, kView));
}

TEST(Expanded, GrowsEverySide) {
    const ViewRect grown = Expanded(kView, 2, 3);
    EXPECT_EQ(grown.left, kView.left - 2);
    EXPECT_EQ(grown.right, kView.right + 2);
    EXPECT_EQ(grown.bottom, kView.bottom - 3);
    EXPECT_EQ(grown.top, kView.top + 3);
}

TEST(VisibleArcSpans, SkipsCirclesThatMissOrEncloseTheView) {
    const AngleSpan full{0, kTurn};
    EXPECT_EQ(VisibleArcSpans(100, 0, 50, full, kView).count, 0U);
    EXPECT_EQ(VisibleArcSpans(-100, 300, 150, full, kView).count, 0U);
    // A radius of 1500 about a point of the view encloses all of it.
    EXPECT_EQ(VisibleArcSpans(-100, 0, 1500, full, kView).count, 0U);
    // Near a corner the box test would pass, but the circle stays outside.
    EXPECT_EQ(VisibleArcSpans(30, 130, 40, full, kView).count, 0U);
}

TEST(VisibleArcSpans, KeepsTheWholeArcOfACircleInsideTheView) {
    const AngleSpan arc{kPi, kPi};
    const ArcSpans spans = VisibleArcSpans(-100, 20, 30, arc, kView);
    ASSERT_EQ(spans.count, 1U);
    EXPECT_EQ(spans.spans[0].start, arc.start);
    EXPECT_EQ(spans.spans[0].sweep, arc.sweep);
}

TEST(VisibleArcSpans, KeepsTheHalfOfACircleLeftOfTheRightEdge) {
    // Centred on the right edge: the visible half runs from the top round
    // the left to the bottom.
    const ArcSpans spans = VisibleArcSpans(0, 0, 50, {0, kTurn}, kView);
    ASSERT_EQ(spans.count, 1U);
    EXPECT_NEAR(spans.spans[0].start, kPi / 2, 1e-12);
    EXPECT_NEAR(spans.spans[0].sweep, kPi, 1e-12);
}

TEST(VisibleArcSpans, CutsTheVisiblePartToTheArcsOwnRange) {
    // The lower half of a circle on the right edge: only its left quarter shows.
    const ArcSpans spans = VisibleArcSpans(0, 0, 50, {kPi, kPi}, kView);
    ASSERT_EQ(spans.count, 1U);
    EXPECT_NEAR(spans.spans[0].start, kPi, 1e-12);
    EXPECT_NEAR(spans.spans[0].sweep, kPi / 2, 1e-12);
    // An arc wholly in the hidden half shows nothing.
    EXPECT_EQ(VisibleArcSpans(0, 0, 50, {-kPi / 4, kPi / 2}, kView).count, 0U);
}

TEST(VisibleArcSpans, AnArcRangeThatWrapsPastZeroStaysWhole) {
    // A circle about the middle of the left edge shows its right half; an arc
    // from -60 to +60 degrees lies wholly in it and comes back whole.
    const AngleSpan arc{-kPi / 3, 2 * kPi / 3};
    const ArcSpans spans = VisibleArcSpans(kView.left, 0, 50, arc, kView);
    ASSERT_EQ(spans.count, 1U);
    EXPECT_TRUE(Covers(spans.spans[0], 0));
    EXPECT_NEAR(spans.spans[0].sweep, arc.sweep, 1e-12);
}

TEST(VisibleArcSpans, AHugeCircleThroughTheViewKeepsOnlyAShortSpan) {
    // Radius 1500, centre far below: its top crosses the view nearly flat.
    const ArcSpans spans = VisibleArcSpans(-150, -1450, 1500, {0, kTurn}, kView);
    ASSERT_EQ(spans.count, 1U);
    EXPECT_TRUE(Covers(spans.spans[0], kPi / 2));
    // About 356 units of arc: a sweep near 356 / 1500 radians.
    EXPECT_NEAR(spans.spans[0].sweep, 355.5 / 1500, 0.01);
}

TEST(VisibleArcSpans, ACircleCrossingEveryEdgeShowsFourPieces) {
    const ViewRect square{-10, -10, 10, 10};
    const ArcSpans spans = VisibleArcSpans(0, 0, 12, {0, kTurn}, square);
    ASSERT_EQ(spans.count, 4U);
    // Ordered counter-clockwise from the arc start; the first is about 45 degrees.
    EXPECT_TRUE(Covers(spans.spans[0], kPi / 4));
    for (std::size_t i = 1; i < spans.count; ++i) {
        EXPECT_GT(spans.spans[i].start, spans.spans[i - 1].start);
    }
}

// Every point of the arc is covered by a returned span exactly when it lies
// inside the view, and every span lies within the arc's range.
TEST(VisibleArcSpans, CoversExactlyThePointsOfTheArcInsideTheView) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> coordinate(-600, 300);
    std::uniform_real_distribution<double> radius(1, 1500);
    std::uniform_real_distribution<double> angle(-kTurn, kTurn);
    std::uniform_real_distribution<double> sweep(0.01, kTurn);
    constexpr int kSamples = 720;
    for (int trial = 0; trial < 400; ++trial) {
        const double cx = coordinate(random);
        const double cy = coordinate(random) / 2;
        const double r = radius(random);
        const AngleSpan arc{angle(random), sweep(random)};
        const ArcSpans spans = VisibleArcSpans(cx, cy, r, arc, kView);
        // Points within `slack` radians of a crossing are left undecided.
        const double slack = 1e-6;
        double total = 0;
        for (const AngleSpan& span : spans) {
            EXPECT_TRUE(Covers(arc, span.start, 1e-9) && Covers(arc, span.start + span.sweep, 1e-9))
                << "trial " << trial;
            total += span.sweep;
        }
        // The pieces do not overlap.
        EXPECT_LE(total, arc.sweep + 1e-9) << "trial " << trial;
        for (int k = 0; k <= kSamples; ++k) {
            const double a = arc.start + arc.sweep * k / kSamples;
            const double x = cx + r * std::cos(a);
            const double y = cy + r * std::sin(a);
            bool covered = false;
            for (const AngleSpan& span : spans) {
                covered = covered || Covers(span, a, 1e-9);
            }
            // A point this far inside or outside is at least `slack` from any crossing.
            const double tolerance = r * slack;
            if (IsInside(Expanded(kView, -tolerance, -tolerance), x, y, 0)) {
                EXPECT_TRUE(covered) << "trial " << trial << " sample " << k;
            }
            if (!IsInside(kView, x, y, tolerance)) {
                EXPECT_FALSE(covered) << "trial " << trial << " sample " << k;
            }
        }
    }
}

}  // namespace
}  // namespace orvath
