// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QTest>

#include "desktop/desktop_features.h"
#include "desktop/orvath_window.h"
#include "model/action_texts.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "recording_document.h"
#include "web/page.h"
#include "web/page_actions.h"
#include "web/page_controls.h"
#include "web/url_settings.h"

namespace orvath::web {
namespace {

using testing::RecordingDocument;

// A page on a clock that the test moves.
struct TestPage {
    explicit TestPage(int width = 1600, int height = 900, std::string_view fragment = {}) {
        page.Start(width, height, fragment);
    }
    RecordingDocument document;
    double now = 0;
    double perRead = 0;  // how far the clock moves at every reading
    Page page{document, [this] { return now += perRead; }};
};

// The page started from a link shows what the window shows when the program
// starts with the same settings: placements, captions, values, options,
// switches, texts for screen readers and the picture.
TEST(Page, ShowsWhatTheWindowShowsForTheSameSettings) {
    const char* links[] = {"", "#mode=continuous&angle=40&index=150&waves=12&time=1500",
                           "#view=exact&reflection=on&angle=70&index=60&time=300"};
    const QSize sizes[] = {{1600, 900}, {800, 600}, {333, 777}};
    for (const char* link : links) {
        for (const QSize size : sizes) {
            const PanelSettings settings = ParseUrlSettings(link).settings;
            OrvathWindow window(WindowWiring{.realTimeTimer = false});
            ApplyViewSettings(settings, window);
            window.StartUp({QRect(QPoint(0, 0), size)});
            window.AddDesktopFeatures();
            ApplySettings(settings, window);

            RecordingDocument document;
            Page page(document, [] { return 0.0; });
            for (QCheckBox* box : {&window.ExactSwitch(), &window.ReflectionSwitch()}) {
                page.SetNaturalWidth(box->objectName().toStdString(), box->sizeHint().width());
            }
            page.Start(size.width(), size.height(), link);

            const std::string where = std::string(link) + " at " + std::to_string(size.width());
            std::vector<std::pair<std::string, QWidget*>> widgets = {
                {"ExactView", &window.ExactSwitch()}, {"Reflection", &window.ReflectionSwitch()}};
            for (const Control control : kControls) {
                widgets.emplace_back(ControlName(control), &window.ControlWidget(control));
            }
            for (const auto& [id, widget] : widgets) {
                const QRect g = widget->geometry();
                EXPECT_EQ(document.rects[id], (PixelRect{g.x(), g.y(), g.width(), g.height()}))
                    << id << ", " << where;
                EXPECT_EQ(document.names[id], widget->accessibleName().toStdString()) << id;
                EXPECT_EQ(document.toolTips[id], widget->toolTip().toStdString()) << id;
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    EXPECT_EQ(document.texts[id], label->text().toStdString()) << id << where;
                    EXPECT_EQ(document.fonts[id], label->font().pointSizeF()) << id << where;
                } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
                    EXPECT_EQ(document.values[id], bar->value()) << id << where;
                } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                           button && button->isCheckable()) {
                    EXPECT_EQ(document.checked[id], button->isChecked()) << id << where;
                }
            }
            EXPECT_EQ(document.descriptions["prosptosis"],
                      window.BarWidget(Bar::Angle).accessibleDescription().toStdString());
            EXPECT_EQ(document.descriptions[std::string(kPictureId)],
                      window.CanvasWidget().accessibleDescription().toStdString());
            PackedPicture desktop;
            PackPicture(window.CanvasWidget().Picture(), size.width(), size.height(),
                        Theme::Classic, desktop);
            const PackedPicture* packed = page.PackIfChanged();
            ASSERT_NE(packed, nullptr);
            EXPECT_EQ(*packed, desktop) << where;
            EXPECT_EQ(page.PackIfChanged(), nullptr) << "packed again without a change";
        }
    }
}

// A focused bar's keys move it as the window's scroll bars move.
TEST(Page, BarKeysStepAsTheWindowsBars) {
    const std::pair<BarKey, Qt::Key> keys[] = {
        {BarKey::SmallUp, Qt::Key_Right},     {BarKey::SmallDown, Qt::Key_Down},
        {BarKey::LargeUp, Qt::Key_PageUp},    {BarKey::LargeDown, Qt::Key_PageDown},
        {BarKey::ToMax, Qt::Key_End},         {BarKey::SmallUp, Qt::Key_Up},
        {BarKey::ToMin, Qt::Key_Home},        {BarKey::SmallDown, Qt::Key_Left},
        {BarKey::LargeDown, Qt::Key_PageDown}};
    OrvathWindow window(WindowWiring{.realTimeTimer = false});
    window.StartUp({QRect(0, 0, 1600, 900)});
    window.AddDesktopFeatures();
    TestPage test;
    for (const Bar bar : kBars) {
        for (const auto& [key, qtKey] : keys) {
            QTest::keyClick(&window.BarWidget(bar), qtKey);
            test.page.PressBarKey(bar, key);
            EXPECT_EQ(test.page.Model().Bars()[bar], window.Model().Bars()[bar])
                << ControlName(BarControl(bar)) << " after key " << qtKey;
        }
    }
}

// A new size starts the page again as its link would start it, and a running
// timer runs on.
TEST(Page, AResizeStartsAgainAsTheLinkWould) {
    TestPage resized(1600, 900, "#mode=continuous&view=exact&zoom=3&centre=-100,20");
    resized.page.Model().MoveBar(Bar::Angle, 55);
    resized.page.Model().Click(Button::Start);
    resized.page.Resize(640, 480);
    EXPECT_TRUE(resized.page.Model().TimerEnabled());
    resized.page.Model().Click(Button::Stop);

    TestPage fresh(640, 480, "#" + resized.page.Fragment());
    fresh.page.Model().Click(Button::Start);
    fresh.page.Model().Click(Button::Stop);
    EXPECT_EQ(resized.document, fresh.document);
    EXPECT_EQ(*resized.page.PackIfChanged(), *fresh.page.PackIfChanged());
}

// Where a ray of the kind can be taken hold of on the page, in its pixels.
std::pair<double, double> RayAt(const Page& page, Grip grip) {
    const Panel& p = page.Model();
    const ScreenMapping mapping = page.Hands().Mapping();
    const auto at =
        HandleFor(RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView()), grip, mapping.Area());
    EXPECT_TRUE(at.has_value());
    return at ? std::pair{mapping.X(at->x), mapping.Y(at->y)} : std::pair{0.0, 0.0};
}

// Whatever the pointers do -- leave the picture, come two at once, drag while
// the timer runs or across a resize -- the page ends with nothing held, the
// zoom within its limits, and its bars and captions as a page started from
// its link shows them.
TEST(Page, ThePointersLeaveItInAValidState) {
    using Steps = std::function<void(TestPage&)>;
    constexpr auto kMouse = PointerKind::Mouse;
    constexpr auto kTouch = PointerKind::Touch;
    const auto drag = [](Page& page, Grip grip, PointerKind kind, double x, double y) {
        const auto [fromX, fromY] = RayAt(page, grip);
        page.Pointer(PointerAction::Down, 1, fromX, fromY, kind);
        EXPECT_EQ(page.Hands().Turning(), grip);
        page.Pointer(PointerAction::Move, 1, x, y, kind);
    };
    const std::pair<const char*, Steps> cases[] = {
        {"the incident rays dragged off the picture",
         [&](TestPage& t) {
             drag(t.page, Grip::Incident, kMouse, -900, -900);
             t.page.Pointer(PointerAction::Move, 1, 5000, 90000, kMouse);
             t.page.Pointer(PointerAction::Up, 1, 5000, 90000, kMouse);
         }},
        {"a second pointer during a turn",
         [&](TestPage& t) {
             drag(t.page, Grip::Incident, kMouse, 300, 100);
             t.page.Pointer(PointerAction::Down, 2, 800, 450, kTouch);
             EXPECT_EQ(t.page.Hands().Turning(), Grip::None);
             t.page.Pointer(PointerAction::Down, 3, 900, 450, kTouch);  // a third: left out
             t.page.Pointer(PointerAction::Move, 2, 1500, 800, kTouch);
             t.page.Pointer(PointerAction::Up, 1, 0, 0, kMouse);
             t.page.Pointer(PointerAction::Move, 2, 100, 100, kTouch);
             t.page.Pointer(PointerAction::Up, 2, 100, 100, kTouch);
         }},
        {"a turn while the timer runs",
         [&](TestPage& t) {
             t.page.Model().Click(Button::Start);
             drag(t.page, Grip::Incident, kTouch, 200, 150);
             t.now += 40;
             t.page.Frame();
             t.page.Pointer(PointerAction::Move, 1, 600, 50, kTouch);
             t.now += 40;
             t.page.Frame();
             t.page.Pointer(PointerAction::Up, 1, 600, 50, kTouch);
             EXPECT_TRUE(t.page.TimerRunning());
             t.page.Model().Click(Button::Stop);
         }},
        {"a resize during a turn",
         [&](TestPage& t) {
             drag(t.page, Grip::Incident, kMouse, 300, 100);
             t.page.Resize(700, 900);
             t.page.Pointer(PointerAction::Move, 1, 100, 100, kMouse);
             t.page.Pointer(PointerAction::Cancel, 1, 100, 100, kMouse);
         }},
    };
    for (const auto& [what, steps] : cases) {
        TestPage test;
        const BarValues before = test.page.Model().Bars();
        steps(test);
        const Page& page = test.page;
        EXPECT_EQ(page.Hands().Turning(), Grip::None) << what;
        EXPECT_FALSE(page.Hands().Pinching()) << what;
        const double factor = page.Hands().CurrentZoom().factor;
        EXPECT_TRUE(factor >= kMinZoom && factor <= kMaxZoom) << what;
        EXPECT_NE(page.Model().Bars(), before) << what << ": nothing turned";
        TestPage fresh(page.Width(), page.Height(), "#" + page.Fragment());
        EXPECT_EQ(test.document.values, fresh.document.values) << what;
        EXPECT_EQ(test.document.texts, fresh.document.texts) << what;
    }
}

// One tick per millisecond since TIMER, caught up frame by frame; a batch
// yields after 12 ms of work and leaves the rest due.
TEST(Page, TheTimerDeliversOneTickPerMillisecondInBatches) {
    TestPage test;
    test.page.Model().MoveBar(Bar::Time, 0);
    test.page.Model().Click(Button::Start);
    test.now = 16.7;
    test.page.Frame();
    EXPECT_EQ(test.page.Model().Bars().time, 16);

    test.now = 1000;
    test.perRead = 13;  // each reading of the clock finds a batch over
    test.page.Frame();
    EXPECT_EQ(test.page.Model().Bars().time, 16 + 50);
    test.perRead = 0;
    test.page.Frame();
    EXPECT_EQ(test.page.Model().Bars().time, 1026);
    EXPECT_EQ(test.document.values["xronos"], 1026);

    // At the end the timer stops itself, after the tick that finds the bar
    // there.
    test.now = 9000;
    test.page.Frame();
    EXPECT_EQ(test.page.Model().Bars().time, 5000);
    EXPECT_FALSE(test.page.TimerRunning());
    EXPECT_EQ(test.page.Stats().Figures().ticks, 5001);
}

// The information box follows what is shown while it is open, in the
// reader's decimal separator, as do the captions.
TEST(Page, TheInformationBoxAndCaptionsFollowTheReader) {
    TestPage test;
    test.page.SetDecimalPoint(",");
    test.page.ToggleInformation();
    ASSERT_FALSE(test.document.information.empty());
    test.page.Model().MoveBar(Bar::Index, 150);
    EXPECT_EQ(test.document.information.front(), "Relative refractive index n = c1 / c2 = 1,50");
    EXPECT_EQ(test.document.texts["Label4"], "c2=  C1/1,50");
    test.page.ToggleView();
    const auto& lines = test.document.information;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("Exact view", 0) == 0;
    }));
    EXPECT_TRUE(test.document.checked["ExactView"]);
    test.page.ToggleInformation();
    EXPECT_TRUE(test.document.information.empty());
}

// Whether the text tells this number: not as part of a longer one.
bool Tells(const std::string& text, const std::string& number) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (auto at = text.find(number); at != std::string::npos; at = text.find(number, at + 1)) {
        const auto end = at + number.size();
        if ((at == 0 || !digit(text[at - 1])) && (end == text.size() || !digit(text[end]))) {
            return true;
        }
    }
    return false;
}

// Everything the document shows or says, a text each.
std::vector<std::string> EveryText(const RecordingDocument& d) {
    std::vector<std::string> all = d.information;
    all.insert(all.end(), d.announced.begin(), d.announced.end());
    for (const auto* texts : {&d.texts, &d.descriptions, &d.valueTexts, &d.choices}) {
        for (const auto& [id, text] : *texts) {
            all.push_back(id + ": " + text);
        }
    }
    return all;
}

// While a mystery medium is on, nothing the page shows, says or links tells
// the hidden index, whether the link or the M key started it, and answers
// that are no guess change nothing; revealing shows the index everywhere.
TEST(Page, AMysteryMediumHidesTheIndexUntilRevealed) {
    // A seed whose index is one of the pairs of media, which the chooser
    // and the menu would name.
    int seed = kMysterySeedMin;
    while (!MediaPresetAt(MysteryIndex(seed))) {
        ++seed;
    }
    const std::string link = "#mystery=" + std::to_string(seed);
    const std::string bar(ControlName(Control::IndexBar));
    for (const bool fromLink : {true, false}) {
        TestPage test(1600, 900, fromLink ? link : "");
        Page& page = test.page;
        page.SetDecimalPoint(",");
        if (!fromLink) {
            ASSERT_TRUE(RunPageCommand(page, "mystery"));
        }
        page.ToggleInformation();
        const int hidden = page.Model().Bars().index;
        const std::string told = FormatFixed(hidden / 100.0, 2, ",");
        SCOPED_TRACE(fromLink ? link : "the M key");
        ASSERT_TRUE(page.Model().IndexHidden());
        for (const char* answer : {"guess ", "guess 1,5x", "guess 9", "guess 0.1"}) {
            ASSERT_TRUE(RunPageCommand(page, answer));
            EXPECT_FALSE(test.document.texts["Verdict"].empty()) << answer;
        }
        page.Model().MoveBar(Bar::Angle, 35);
        EXPECT_TRUE(page.Model().IndexHidden());
        EXPECT_EQ(page.Model().Bars().index, hidden);
        for (const std::string& text : EveryText(test.document)) {
            EXPECT_FALSE(Tells(text, told)) << text;
        }
        EXPECT_NE(test.document.texts["Label4"].find(kHiddenValue), std::string::npos);
        EXPECT_NE(test.document.valueTexts[bar].find(kHiddenValue), std::string::npos);
        EXPECT_NE(test.document.values[bar], hidden);
        EXPECT_FALSE(test.document.enabled[bar]);
        EXPECT_TRUE(test.document.enabled["GuessField"]);
        EXPECT_EQ(test.document.choices[std::string(kMediumChooserId)], "");
        const auto checked = CheckedCommands(page);
        EXPECT_TRUE(std::none_of(checked.begin(), checked.end(), [](const std::string& c) {
            return c.starts_with(kMediumCommand);
        }));
        const std::string fragment = page.Fragment();
        const std::string seedGiven = "mystery=" + std::to_string(*page.Model().MysterySeed());
        EXPECT_NE(fragment.find(seedGiven), std::string::npos) << fragment;
        EXPECT_EQ(fragment.find("index="), std::string::npos) << fragment;

        ASSERT_TRUE(RunPageCommand(page, fromLink ? "reveal" : "mystery"));
        EXPECT_FALSE(page.Model().IndexHidden());
        EXPECT_EQ(test.document.values[bar], hidden);
        EXPECT_TRUE(test.document.enabled[bar]);
        EXPECT_FALSE(test.document.enabled["GuessField"]);
        EXPECT_TRUE(Tells(test.document.texts["Label4"], told));
        EXPECT_TRUE(Tells(test.document.announced.back(), told));
        EXPECT_TRUE(Tells(test.document.information.front(), told));
    }
}

// A strip too short for every control leaves some to the menu: each of them
// is there, and those shown while a mystery runs are enabled only then.
TEST(Page, WhatAShortStripLeavesOutIsInTheMenu) {
    for (const auto& controls :
         {PictureButtons(), ClassroomControls(), ViewControls(), LessonControls()}) {
        for (const PageControl& own : controls) {
            if (own.strip == StripPlace::Room) {
                EXPECT_TRUE(std::any_of(
                    PageMenu().begin(), PageMenu().end(),
                    [&](const PageMenuItem& item) { return item.command == own.command; }))
                    << own.id;
            } else if (own.strip == StripPlace::Mystery && own.kind != "status") {
                TestPage test;
                EXPECT_FALSE(test.document.enabled[std::string(own.id)]) << own.id;
                ASSERT_TRUE(RunPageCommand(test.page, "mystery"));
                EXPECT_TRUE(test.document.enabled[std::string(own.id)]) << own.id;
            }
        }
    }
}

// The menu's pairs of media show their index as the reader writes numbers.
TEST(Page, TheMenuWritesTheIndicesWithTheReadersDecimalPoint) {
    const std::string menu = PageMenuJson(",");
    for (const MediaPair& pair : MediaPresets()) {
        EXPECT_NE(menu.find(MediaPairText(pair, ",")), std::string::npos) << menu;
        EXPECT_EQ(menu.find(MediaPairText(pair, ".")), std::string::npos) << menu;
    }
}

}  // namespace
}  // namespace orvath::web
