// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "surface/display_list.h"

namespace orvath {
namespace {

TEST(DisplayList, EachOperationCarriesThePenInForce) {
    DisplayList list;
    Surface& s = list;
    s.DrawWidth(5);
    s.PSet(1, 2, Rgb{255, 0, 0});
    s.DrawWidth(1);
    s.DrawStyle(LineStyle::Dashed);
    s.Line(0, 0, 3, 4);
    s.DrawStyle(LineStyle::Solid);
    s.Circle(1, 1, 2, 0.5f, 1.5f);

    ASSERT_EQ(list.Ops().size(), 3U);  // pen changes are no operations
    const DrawOp& dot = list.Ops()[0];
    EXPECT_EQ(dot.kind, DrawOp::Kind::PSet);
    EXPECT_EQ(dot.width, 5);
    EXPECT_EQ(dot.colour, Colour(Rgb{255, 0, 0}));
    const DrawOp& line = list.Ops()[1];
    EXPECT_EQ(line.width, 1);
    EXPECT_EQ(line.Style(), LineStyle::Dashed);
    EXPECT_EQ(line.x2, 3);
    EXPECT_EQ(line.y2, 4);
    const DrawOp& arc = list.Ops()[2];
    EXPECT_EQ(arc.Style(), LineStyle::Solid);
    EXPECT_EQ(arc.x2, 2);
    EXPECT_EQ(arc.start, 0.5f);
    EXPECT_EQ(arc.end, 1.5f);
}

TEST(DisplayList, ClearingStartsANewPictureWithThePenKept) {
    DisplayList list;
    Surface& s = list;
    s.DrawWidth(3);
    s.DrawStyle(LineStyle::Dotted);
    s.Line(0, 0, 1, 1);
    s.Cls();
    EXPECT_TRUE(list.Ops().empty());
    // After a clear the current position is back at the origin.
    s.LineTo(5, 6);
    ASSERT_EQ(list.Ops().size(), 1U);
    const DrawOp& line = list.Ops()[0];
    EXPECT_EQ(line.x1, 0);
    EXPECT_EQ(line.y1, 0);
    EXPECT_EQ(line.width, 3);
    EXPECT_EQ(line.Style(), LineStyle::Dotted);
}

TEST(DisplayList, LineToAndPrintUseTheCurrentPosition) {
    DisplayList list;
    Surface& s = list;
    s.Line(1, 2, 3, 4);
    s.LineTo(7, 8);
    s.SetCurrent(-50, 70);
    s.Print("CRITICAL");
    ASSERT_EQ(list.Ops().size(), 3U);
    EXPECT_EQ(list.Ops()[1].x1, 3);
    EXPECT_EQ(list.Ops()[1].y1, 4);
    const DrawOp& text = list.Ops()[2];
    EXPECT_EQ(text.kind, DrawOp::Kind::Print);
    EXPECT_EQ(text.x1, -50);
    EXPECT_EQ(text.y1, 70);
    EXPECT_EQ(list.Texts()[static_cast<std::size_t>(text.text)], "CRITICAL");
}

TEST(DisplayList, TheRevisionGrowsWithEveryChangeOfThePicture) {
    DisplayList list;
    Surface& s = list;
    const auto start = list.Revision();
    s.Scale(-10, 10, 0, -10);
    const auto scaled = list.Revision();
    EXPECT_GT(scaled, start);
    s.PSet(0, 0);
    EXPECT_GT(list.Revision(), scaled);
    const auto drawn = list.Revision();
    s.Cls();
    EXPECT_GT(list.Revision(), drawn);
    EXPECT_EQ(list.Frame().left, -10);
    EXPECT_EQ(list.Frame().bottom, -10);
}

}  // namespace
}  // namespace orvath
