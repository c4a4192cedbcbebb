// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exact/exact_view.h"
#include "support/trace_lines.h"
#include "surface/display_list.h"

namespace orvath::exact {
namespace {

struct Pinned {
    const char* name;
    ExactInputs in;
    std::vector<Part> present;
    std::vector<Part> absent;
    const char* says;
};

ExactInputs Make(Picture picture, int angle, int index, int time, bool reflection = false) {
    ExactInputs in;
    in.picture = picture;
    in.angleDeg = angle;
    in.indexTimes100 = index;
    in.timeBar = time;
    in.xLeft = -200.0f * 16 / 9;
    in.reflection = reflection;
    return in;
}

// The lines drawn in one part of the picture.
std::vector<DrawOp> LinesOf(const DisplayList& list, Part part) {
    std::vector<DrawOp> lines;
    const auto& marks = list.parts();
    for (std::size_t m = 0; m < marks.size(); ++m) {
        const std::size_t end = m + 1 < marks.size() ? marks[m + 1].firstOp : list.ops().size();
        for (std::size_t i = marks[m].firstOp; marks[m].part == part && i < end; ++i) {
            if (list.ops()[i].kind == DrawOp::Kind::Line) {
                lines.push_back(list.ops()[i]);
            }
        }
    }
    return lines;
}

bool Has(const DisplayList& list, Part part) {
    for (const PartMark& mark : list.parts()) {
        if (mark.part == part) {
            return true;
        }
    }
    return false;
}

using enum Part;
using enum Picture;

// The pictures a teacher turns to: the critical angle (30 degrees at n = 0.5),
// beyond it, along the normal, at grazing incidence, equal media, and the
// reflected wave below the critical angle shown or hidden.
const Pinned kPinned[] = {
    {"critical",
     Make(Wavelets, 30, 50, 2500),
     {RefractedRays, RefractedFront, ReflectedFront},
     {},
     "critical angle"},
    {"critical beam",
     Make(Continuous, 30, 50, 150),
     {RefractedRays, RefractedFront},
     {},
     "θ2 = 90.0°"},
    {"beyond",
     Make(Wavelets, 60, 50, 2500),
     {RefractedWavelets, ReflectedWavelets, ReflectedFront, ReflectedRays},
     {RefractedRays, RefractedFront},
     "total reflection"},
    {"beyond beam",
     Make(Continuous, 60, 67, 150),
     {RefractedWavelets, ReflectedFront},
     {RefractedRays, RefractedFront},
     "total reflection"},
    {"normal", Make(Wavelets, 0, 150, 3300), {RefractedWavelets, RefractedFront}, {}, "θ2 = 0°"},
    {"grazing beam",
     Make(Continuous, 89, 150, 7),
     {IncidentWavelets, IncidentFront, RefractedWavelets, RefractedFront, TangentPoints},
     {},
     "θ2 = 41.8°"},
    {"equal media", Make(Wavelets, 40, 100, 3000), {RefractedRays}, {ReflectedRays}, "θ2 = 40.0°"},
    {"reflection hidden",
     Make(Wavelets, 25, 150, 3000),
     {RefractedFront},
     {ReflectedRays, ReflectedWavelets, ReflectedFront},
     "c1 / c2 = n = 1.50"},
    {"reflection shown",
     Make(Continuous, 25, 150, 150, true),
     {ReflectedRays, ReflectedWavelets, ReflectedFront},
     {},
     "c1 / c2 = n = 1.50"},
};

TEST(ExactPicture, PinnedPicturesHoldWhatTheyShow) {
    for (const Pinned& pinned : kPinned) {
        SCOPED_TRACE(pinned.name);
        DisplayList list;
        DrawExactPicture(pinned.in, list);
        for (const Part part : pinned.present) {
            EXPECT_TRUE(Has(list, part)) << PartName(part);
        }
        for (const Part part : pinned.absent) {
            EXPECT_FALSE(Has(list, part)) << PartName(part);
        }
        std::string texts;
        for (const std::string& text : list.texts()) {
            texts += text + "\n";
        }
        EXPECT_NE(texts.find(pinned.says), std::string::npos) << texts;

        // At the critical angle the refracted rays graze the boundary; with
        // equal media they carry straight on.
        const auto incident = LinesOf(list, IncidentRays).front();
        for (const DrawOp& ray : LinesOf(list, RefractedRays)) {
            if (pinned.in.indexTimes100 == 100) {
                EXPECT_NEAR((ray.x2 - ray.x1) * (incident.y2 - incident.y1),
                            (ray.y2 - ray.y1) * (incident.x2 - incident.x1), 1e-2);
            } else if (pinned.in.angleDeg == 30) {
                EXPECT_TRUE(ray.y1 == 0 && ray.y2 == 0 && ray.x2 > ray.x1);
            }
        }
    }
}

// Every picture begins a part before it draws, sets a widened pen back to
// 1 pixel before the next part, and leaves the pen solid and 1 pixel wide.
TEST(ExactPicture, PartsComeFirstAndThePenIsPutBack) {
    for (const Pinned& pinned : kPinned) {
        const auto lines = testing::TraceLines([&](Surface& s) { DrawExactPicture(pinned.in, s); });
        ASSERT_EQ(lines.front().rfind("part ", 0), 0u) << pinned.name;
        std::string width = "width 1";
        std::string style = "style 0";
        for (const std::string& line : lines) {
            if (line.rfind("part ", 0) == 0) {
                EXPECT_EQ(width, "width 1") << pinned.name << " before " << line;
            }
            if (line.rfind("width ", 0) == 0) {
                width = line;
            } else if (line.rfind("style ", 0) == 0) {
                style = line;
            }
        }
        EXPECT_EQ(width + " " + style, "width 1 style 0") << pinned.name;
    }
}

}  // namespace
}  // namespace orvath::exact
