// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "exact/exact_view.h"
#include "support/exact_checker.h"
#include "support/scenes.h"
#include "support/trace_lines.h"

namespace orvath::exact {
namespace {

struct Pinned {
    const char* name;
    DisplayMode picture;
    int angle;
    int index;
    int waves;
    int time;
    bool reflection;
    const char* parts;  // trace names of parts present (+) and absent (-)
    const char* says;
};

// The pictures a teacher turns to: the critical angle (30 degrees at n = 0.5),
// beyond it, along the normal, at grazing incidence, equal media, the
// reflected wave below the critical angle hidden or shown, and the most rays
// that all carry an arrowhead and one more.
const Pinned kPinned[] = {
    {"critical", DisplayMode::Wavelets, 30, 50, 10, 2500, false,
     "+refracted-rays +refracted-front +reflected-front", "critical angle"},
    {"critical beam", DisplayMode::Continuous, 30, 50, 10, 150, false,
     "+refracted-rays +refracted-front", "θ2 = 90.0°"},
    {"beyond", DisplayMode::Wavelets, 60, 50, 10, 2500, false,
     "+refracted-wavelets +reflected-front +reflected-rays -refracted-rays -refracted-front",
     "total reflection"},
    {"beyond beam", DisplayMode::Continuous, 60, 67, 10, 150, false,
     "+refracted-wavelets +reflected-front -refracted-rays -refracted-front", "total reflection"},
    {"normal", DisplayMode::Wavelets, 0, 150, 10, 3300, false, "+refracted-front", "θ2 = 0°"},
    {"grazing beam", DisplayMode::Continuous, 89, 150, 10, 7, false,
     "+incident-wavelets +incident-front +refracted-wavelets +refracted-front +tangent-points",
     "θ2 = 41.8°"},
    {"equal media", DisplayMode::Wavelets, 40, 100, 10, 3000, false,
     "+refracted-rays -reflected-rays", "θ2 = 40.0°"},
    {"reflection hidden", DisplayMode::Wavelets, 25, 150, 10, 3000, false,
     "+refracted-front -reflected-rays -reflected-wavelets -reflected-front", "n = 1.50"},
    {"reflection shown", DisplayMode::Continuous, 25, 150, 10, 150, true,
     "+reflected-rays +reflected-wavelets +reflected-front", "n = 1.50"},
    {"20 rays", DisplayMode::Wavelets, 40, 150, 20, 3000, true, "+reflected-rays", "θ2 = 25.4°"},
    {"21 rays", DisplayMode::Wavelets, 40, 150, 21, 3000, true, "+reflected-rays", "θ2 = 25.4°"},
};

bool StartsWith(const std::string& line, const std::string& word) {
    return line.rfind(word, 0) == 0;
}

TEST(ExactPicture, PinnedPicturesShowWhatTheyTeach) {
    for (const Pinned& p : kPinned) {
        SCOPED_TRACE(p.name);
        const Scene scene =
            testing::FormScene(testing::Bars(p.angle, p.index, p.waves, p.time), 1920, 1080);
        const auto trace = testing::TraceLines([&](Surface& s) {
            DrawExactPicture(scene, {p.picture, p.reflection}, s);
        });
        const auto has = [&](const std::string& text) {
            return std::any_of(trace.begin(), trace.end(), [&](const std::string& line) {
                return line.find(text) != std::string::npos;
            });
        };
        std::istringstream parts(p.parts);
        for (std::string part; parts >> part;) {
            EXPECT_EQ(has("part " + part.substr(1)), part[0] == '+') << part;
        }
        EXPECT_TRUE(has(p.says)) << p.says;

        DisplayList list;
        DrawExactPicture(scene, {p.picture, p.reflection}, list);
        EXPECT_EQ(testing::CheckExactPicture(scene, {p.picture, p.reflection}, list),
                  std::vector<std::string>{});

        // A part comes first, a widened pen is back to 1 pixel before the
        // next part, and the pen is left solid and 1 pixel wide.
        EXPECT_TRUE(StartsWith(trace.front(), "part "));
        std::string pen[2] = {"width 1", "style 0"};
        for (const std::string& line : trace) {
            EXPECT_TRUE(!StartsWith(line, "part ") || pen[0] == "width 1") << line;
            for (std::string& setting : pen) {
                setting = StartsWith(line, setting.substr(0, 6)) ? line : setting;
            }
        }
        EXPECT_EQ(pen[0] + ", " + pen[1], "width 1, style 0");
    }
}

// A scene not filled in yet, or one whose frame misses the boundary, draws
// nothing.
TEST(ExactPicture, NoFrameNoPicture) {
    Scene missing = testing::FormScene(StartValues());
    missing.yBottom = 50;
    for (const Scene& scene : {Scene{}, missing}) {
        EXPECT_TRUE(
            testing::TraceLines([&](Surface& s) { DrawExactPicture(scene, {}, s); }).empty());
    }
}

}  // namespace
}  // namespace orvath::exact
