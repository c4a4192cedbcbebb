// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/number_format.h"
#include "support/trace_lines.h"

namespace orvath {
namespace {

using testing::TraceLines;

TEST(TraceSurface, WritesEveryOperationInTraceWording) {
    const auto lines = TraceLines([](Surface& s) {
        s.Scale(-355.555542f, 100, 0, -100);
        s.DrawWidth(5);
        s.PSet(1.5f, -2, Rgb{255, 0, 0});
        s.DrawStyle(LineStyle::Dashed);
        s.Line(0, 0, 1.0f / 3.0f, 2, kForeground);
        s.LineTo(4, 5, Rgb{0, 0, 0});
        s.Circle(1, 2, 3, 3.14159274f, 6.28318548f, kForeground);
        s.SetCurrent(-50, 70);
        s.Print("CRITICAL");
        s.Cls();
    });
    const std::vector<std::string> expected = {
        "scale -355.555542 100 0 -100",
        "width 5",
        "pset 1.5 -2 255,0,0",
        "style 1",
        "line 0 0 0.333333343 2 fg",
        "lineto 4 5 0,0,0",
        "circle 1 2 3 3.14159274 6.28318548 fg",
        "print -50 70 \"CRITICAL\"",
        "cls",
    };
    EXPECT_EQ(lines, expected);
}

TEST(TraceSurface, PrintUsesThePositionOfTheLastLineOrClear) {
    const auto lines = TraceLines([](Surface& s) {
        s.Line(1, 2, 3, 4, kForeground);
        s.Print("a");
        s.Cls();
        s.Print("b");
    });
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "print 3 4 \"a\"");
    EXPECT_EQ(lines[3], "print 0 0 \"b\"");
}

TEST(NumberFormat, CaptionPatterns) {
    EXPECT_EQ(FormatWhole(25), "25");
    EXPECT_EQ(FormatTwoDecimals(20), "20.00");
    EXPECT_EQ(FormatTwoDecimals(0.5), "0.50");
    EXPECT_EQ(FormatTwoDecimals(0.07 * 6), "0.42");
    EXPECT_EQ(FormatTwoDecimals(-1e-12), "0.00");
}

}  // namespace
}  // namespace orvath
