// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "panel/panel.h"
#include "surface/display_list.h"
#include "web/url_settings.h"

namespace orvath::web {
namespace {

// What a link sets, and how many of its pieces the page reports and ignores.
TEST(UrlSettings, TakesWhatItCanAndReportsTheRest) {
    struct Case {
        const char* fragment;
        PanelSettings expected;
        std::size_t problems;
        std::optional<int> mystery;
    };
    PanelSettings all;
    all.mode = DisplayMode::Continuous;
    all[Bar::Angle] = 40;
    all[Bar::Index] = 150;
    all[Bar::Waves] = 10;
    all[Bar::Time] = 1500;
    all.view = View::Exact;
    all.reflection = true;
    PanelSettings ends;
    ends[Bar::Angle] = 0;
    ends[Bar::Index] = 300;
    ends[Bar::Waves] = 5;
    ends[Bar::Time] = 5000;
    PanelSettings later;
    later[Bar::Angle] = 7;
    later.mode = DisplayMode::Wavelets;
    const Case cases[] = {
        {"", {}, 0, {}},
        {"#", {}, 0, {}},
        {"#mode=continuous&angle=40&index=150&waves=10&time=1500&view=exact&reflection=on",
         all,
         0,
         {}},
        {"?angle=+0&index=300&&waves=005&time=5000&", ends, 0, {}},
        {"angle=%33%30&angle=7&mode=wavelets", later, 0, {}},
        // Out of range, not numbers, empty, unknown words and keys: start values.
        {"angle=90&index=49&waves=4&time=-1", {}, 4, {}},
        {"angle=1e1&index=0x10&waves=ten&time=&mode", {}, 5, {}},
        {"angle=+-0&index=-+100&waves=%2B%2B10&time=--0", {}, 4, {}},
        {"angle=99999999999999999999&mode=Continuous&view=1&reflection=yes", {}, 4, {}},
        {"colour=red&%zz=1&=5", {}, 3, {}},
        // A later bad value takes back an earlier good one.
        {"angle=40&angle=400", {}, 1, {}},
    };
    for (const Case& c : cases) {
        const UrlSettings read = ParseUrlSettings(c.fragment);
        EXPECT_EQ(read.settings.mode, c.expected.mode) << c.fragment;
        EXPECT_EQ(read.settings.bars, c.expected.bars) << c.fragment;
        EXPECT_EQ(read.settings.view, c.expected.view) << c.fragment;
        EXPECT_EQ(read.settings.reflection, c.expected.reflection) << c.fragment;
        EXPECT_EQ(read.problems.size(), c.problems) << c.fragment;
        EXPECT_EQ(read.settings.mysterySeed, c.mystery) << c.fragment;
    }
    EXPECT_EQ(ParseUrlSettings("time=6000").problems.at(0),
              "time='6000' is not a whole number from 0 to 5000: the start value 2000 is used");
}

// The classroom settings: speed, theme, a pair of media for the index, the
// later of medium= and index= counting, and a mystery medium's seed; bad
// values as the others.
TEST(UrlSettings, TakesTheClassroomSettings) {
    struct Case {
        const char* fragment;
        std::optional<TimerSpeed> speed;
        std::optional<Theme> theme;
        std::optional<int> index;
        std::size_t problems;
        std::optional<int> mystery;
    };
    const Case cases[] = {
        {"speed=1/10&theme=projector&medium=air-water",
         TimerSpeed::Tenth,
         Theme::Projector,
         133,
         0,
         {}},
        {"speed=1%2F50&theme=classic&index=99&medium=glass-air",
         TimerSpeed::Fiftieth,
         Theme::Classic,
         67,
         0,
         {}},
        {"medium=water-glass&index=120", {}, {}, 120, 0, {}},
        {"speed=1x&speed=fast&theme=Projector&medium=diamond-air", {}, {}, {}, 3, {}},
        {"speed=&theme&medium=air&medium=air-water-", {}, {}, {}, 4, {}},
        {"mystery=7&index=120", {}, {}, 120, 0, 7},
        {"mystery=999999", {}, {}, {}, 0, 999999},
        {"mystery=0&mystery=1000000&mystery=7x&mystery=", {}, {}, {}, 4, {}},
    };
    for (const Case& c : cases) {
        const UrlSettings read = ParseUrlSettings(c.fragment);
        EXPECT_EQ(read.speed, c.speed) << c.fragment;
        EXPECT_EQ(read.theme, c.theme) << c.fragment;
        EXPECT_EQ(read.settings[Bar::Index], c.index) << c.fragment;
        EXPECT_EQ(read.problems.size(), c.problems) << c.fragment;
        EXPECT_EQ(read.settings.mysterySeed, c.mystery) << c.fragment;
    }
    // A link of any length: its settings, or the start values and one line.
    for (const std::size_t length :
         {kMaxLinkSettings, kMaxLinkSettings + 1, std::size_t{5'000'000}}) {
        const std::string link = "angle=40&" + std::string(length - 9, '&');
        const UrlSettings read = ParseUrlSettings(link);
        EXPECT_EQ(read.settings[Bar::Angle],
                  length <= kMaxLinkSettings ? std::optional(40) : std::nullopt);
        EXPECT_EQ(read.problems.size(), length <= kMaxLinkSettings ? 0U : 1U) << length;
    }
}

TEST(UrlSettings, SaysWhatABadClassroomSettingCanBe) {
    EXPECT_EQ(ParseUrlSettings("speed=2").problems.at(0),
              "speed='2' is not '1x', '1/2', '1/4', '1/10' or '1/50': the start value 1x is used");
    EXPECT_EQ(ParseUrlSettings("medium=diamond-air").problems.at(0),
              "medium=diamond-air: its index 41 is outside the index bar's 50 to 300: the "
              "index's start value 50 is used");
}

// The instruments shown and the zoom about its centre, which needs a zoom;
// bad values as the others; the link of the hands brings them back.
TEST(UrlSettings, TakesTheInstrumentsAndTheZoom) {
    const double middle = std::numeric_limits<double>::quiet_NaN();
    const auto same = [](const std::optional<Zoom>& a, const std::optional<Zoom>& b) {
        const auto equal = [](double p, double q) { return p == q || (p != p && q != q); };
        return a.has_value() == b.has_value() &&
               (!a || (equal(a->factor, b->factor) && equal(a->centreX, b->centreX) &&
                       equal(a->centreY, b->centreY)));
    };
    struct Case {
        const char* fragment;
        std::optional<bool> protractor;
        std::optional<bool> ruler;
        std::optional<Zoom> zoom;
        std::size_t problems;
    };
    const Case cases[] = {
        {"protractor=on&ruler=off", true, false, {}, 0},
        {"zoom=2.5&centre=-120.5,10", {}, {}, Zoom{2.5, -120.5, 10}, 0},
        {"centre=-1,-100&zoom=8&ruler=on", {}, true, Zoom{8, -1, -100}, 0},
        {"zoom=1", {}, {}, Zoom{1, middle, middle}, 0},
        {"zoom=2&zoom=9", {}, {}, {}, 1},
        {"zoom=0.5&zoom=x&zoom=&zoom=1e1&zoom", {}, {}, {}, 5},
        {"zoom=2&centre=5,0&centre=-5,101&centre=-5&centre=a,b",
         {},
         {},
         Zoom{2, middle, middle},
         4},
        {"centre=-50,0", {}, {}, {}, 1},
        {"protractor=yes&ruler=&protractor=on", true, {}, {}, 2},
    };
    for (const Case& c : cases) {
        const UrlSettings read = ParseUrlSettings(c.fragment);
        EXPECT_EQ(read.protractor, c.protractor) << c.fragment;
        EXPECT_EQ(read.ruler, c.ruler) << c.fragment;
        EXPECT_TRUE(same(read.zoom, c.zoom)) << c.fragment;
        EXPECT_EQ(read.problems.size(), c.problems) << c.fragment;
    }
    EXPECT_EQ(ParseUrlSettings("zoom=9").problems.at(0),
              "zoom='9' is not a number from 1 to 8: the whole picture is shown");
    for (const Zoom zoom : {Zoom{}, Zoom{1.953125, -133.25, 0.5}, Zoom{8, -0.25, 99}}) {
        const std::string link = ViewFragment(true, false, zoom);
        const UrlSettings read = ParseUrlSettings(link);
        EXPECT_TRUE(read.problems.empty()) << link;
        EXPECT_EQ(read.protractor, true);
        EXPECT_EQ(read.ruler, false);
        EXPECT_TRUE(same(read.zoom, zoom.Whole() ? std::nullopt : std::optional(zoom))) << link;
    }
}

// "Copy link" writes what the panel shows, and the link brings it back.
TEST(UrlSettings, TheLinkOfAPanelBringsItBack) {
    DisplayList picture;
    Panel panel(picture);
    panel.StartUp(1600 * 15, 900 * 15);
    panel.SetView(View::Exact);
    panel.Click(Button::Continuous);
    for (const auto& [bar, value] : {std::pair{Bar::Angle, 61}, {Bar::Index, 99}, {Bar::Time, 7}}) {
        panel.MoveBar(bar, value);
    }
    const std::string link =
        SettingsFragment(SettingsShown(panel), TimerSpeed::Quarter, Theme::Projector);
    EXPECT_EQ(link,
              "mode=continuous&angle=61&index=99&waves=10&time=7&view=exact&reflection=off&key=on"
              "&speed=1/4&theme=projector");

    Panel copy(picture);
    const UrlSettings read = ParseUrlSettings("#" + link);
    EXPECT_TRUE(read.problems.empty());
    ApplyViewSettings(read.settings, copy);
    copy.StartUp(800 * 15, 600 * 15);
    ApplySettings(read.settings, copy);
    EXPECT_EQ(SettingsFragment(SettingsShown(copy), *read.speed, *read.theme), link);

    // A mystery medium's link carries its seed and leaves the index out.
    copy.StartMystery(42);
    const std::string mystery = SettingsFragment(SettingsShown(copy));
    EXPECT_EQ(mystery,
              "mode=continuous&angle=61&waves=10&time=7&view=exact&reflection=off&key=on"
              "&mystery=42");
    Panel again(picture);
    again.StartUp(800 * 15, 600 * 15);
    ApplySettings(ParseUrlSettings(mystery).settings, again);
    EXPECT_TRUE(again.IndexHidden());
    EXPECT_EQ(again.Bars().index, copy.Bars().index);
}

}  // namespace
}  // namespace orvath::web
