// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QSet>

#include "desktop/teacher_notes.h"
#include "model/media.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

// The menu's items with their keys, submenus opened, separators left out.
std::vector<QAction*> Items(const QMenu& menu) {
    std::vector<QAction*> items;
    for (QAction* action : menu.actions()) {
        // The languages have no keys; LanguageMenu's test chooses them.
        if (action->menu() != nullptr && action->menu()->objectName() == "LanguageMenu") {
            continue;
        }
        if (action->menu() != nullptr) {
            const auto inner = Items(*action->menu());
            items.insert(items.end(), inner.begin(), inner.end());
        } else if (!action->isSeparator()) {
            items.push_back(action);
        }
    }
    return items;
}

// What a user can see of the window's state.
std::string State(StartedWindow& started) {
    const Panel& panel = started.window.Model();
    const BarValues& bars = panel.Bars();
    std::ostringstream text;
    text << (panel.CurrentView() == View::Exact ? "exact" : "classic") << " reflection "
         << panel.Reflection() << " key " << panel.Key() << " speed " << SpeedName(panel.Speed())
         << " bars " << bars.angle << " "
         << (panel.IndexHidden() ? std::string("?") : std::to_string(bars.index)) << " "
         << bars.waves << " " << bars.time << " mode " << static_cast<int>(panel.Mode())
         << " timer " << panel.TimerEnabled() << " theme "
         << ThemeName(started.window.CurrentTheme()) << " box "
         << started.desktop->Overlay().isVisible() << " zoom "
         << started.window.CanvasWidget().CurrentZoom().factor << " protractor "
         << started.window.Hands().ShownProtractor().has_value() << " ruler "
         << started.window.Hands().ShownRuler().has_value();
    return text.str();
}

// A window away from the start values, at a speed from which both slower
// and faster change it, zoomed so that zooming either way or back to the
// whole picture changes it, with the save dialogs cancelled.
constexpr TimerSpeed kStartSpeed = TimerSpeed::Quarter;

struct MenuWindow : StartedWindow {
    MenuWindow() {
        window.MoveBar(Bar::Angle, 30);
        window.Model().SetSpeed(kStartSpeed);
        window.Hands().SetZoom({2, -100, 0});
        desktop->SetFileChooser([](QWidget&) { return QString(); });
        desktop->SetAnimationFileChooser([](QWidget&) { return QString(); });
    }
    QMenu& Menu() { return desktop->Actions().Menu(); }
};

// The menu holds the view, the reflected wave, speed and steps, the pairs of
// media, the theme, the zoom, the timer, saving and copying and the
// information box.
// Every item shows a key of its own, and pressing it, wherever the focus
// is, does what choosing the item does; every item but saving, copying and
// the speed already chosen changes what the window shows.
TEST(ContextMenu, EveryItemHasAKeyThatDoesWhatTheItemDoes) {
    MenuWindow shown;
    QStringList entries;
    for (const QAction* entry : shown.Menu().actions()) {
        if (!entry->isSeparator()) {
            entries.append(entry->text());
        }
    }
    EXPECT_EQ(entries, QStringList({"Exact view",
                                    "Reflected wave",
                                    "Key to the colours",
                                    "Speed and steps",
                                    "Pair of media",
                                    "Projector theme",
                                    "Zoom in",
                                    "Zoom out",
                                    "Whole picture",
                                    "Protractor",
                                    "Ruler",
                                    "Mystery medium",
                                    "Type the index you measured\u2026",
                                    "Reveal the index",
                                    "Notes for the teacher\u2026",
                                    "Start or stop the timer",
                                    "Back to the start values",
                                    "Save picture\u2026",
                                    "Copy picture",
                                    "Save animation\u2026",
                                    "Information box",
                                    "Language"}));
    QSet<QKeySequence> keys;
    const std::size_t count = Items(shown.Menu()).size();
    for (std::size_t i = 0; i < count; ++i) {
        MenuWindow chosen;
        QAction& item = *Items(chosen.Menu()).at(i);
        SCOPED_TRACE(item.text().toStdString());
        EXPECT_TRUE(item.isShortcutVisibleInContextMenu());
        EXPECT_FALSE(keys.contains(item.shortcut()) || item.shortcut().isEmpty());
        keys.insert(item.shortcut());
        const std::string before = State(chosen);
        int triggered = 0;
        MenuWindow pressed;
        QAction& same = *Items(pressed.Menu()).at(i);
        QObject::connect(&same, &QAction::triggered, [&triggered] { ++triggered; });
        item.trigger();
        pressed.window.BarWidget(Bar::Waves).setFocus();
        QTest::keySequence(QApplication::focusWidget(), same.shortcut());
        EXPECT_EQ(triggered, 1);
        EXPECT_EQ(State(pressed), State(chosen));
        const bool changesNothing =
            item.text().startsWith("Save") || item.text().startsWith("Copy") ||
            // Without a mystery medium on, nothing to answer.
            item.text().startsWith("Type the index") || item.text().startsWith("Reveal") ||
            item.text().startsWith("Notes") ||
            item.text() == QString::fromUtf8(SpeedName(kStartSpeed));
        EXPECT_NE(State(chosen) == before, !changesNothing) << State(chosen);
    }
    // The information box names every key of one stroke that the menu has.
    for (QAction* item : Items(shown.Menu())) {
        if (item->shortcut() == QKeySequence(Qt::Key_F1)) {
            item->trigger();
        }
    }
    const QString box = shown.desktop->Overlay().Lines().join('\n');
    for (const QAction* item : Items(shown.Menu())) {
        const QString key = item->shortcut().toString();
        if ((key.size() == 1 && key[0].isLetter()) || key == "Space" || key == "F1") {
            EXPECT_TRUE(box.contains(key + ":")) << key.toStdString() << " in\n"
                                                 << box.toStdString();
        }
    }
}

// The notes for the teacher open rendered from their Markdown source: every
// heading's words shown, none of its marks.
TEST(ContextMenu, NotesForTheTeacherShowTheNotesRendered) {
    MenuWindow shown;
    shown.Press(Qt::Key_N);
    const auto* notes = shown.window.findChild<TeacherNotes*>();
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisible());
    const QString text = notes->ShownText();
    QFile source(QStringLiteral(ORVATH_NOTES));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    int headings = 0;
    for (const QString& line : QString::fromUtf8(source.readAll()).split('\n')) {
        if (line.startsWith('#')) {
            ++headings;
            EXPECT_TRUE(text.contains(line.section(' ', 1))) << line.toStdString();
        }
    }
    EXPECT_GT(headings, 3);
    EXPECT_FALSE(text.contains(QStringLiteral("## ")));
    EXPECT_FALSE(text.contains(QStringLiteral("| --- |")));
}

TEST(ContextMenu, OpensOnARightClickOnThePictureTheMenuKeyAndShiftF10) {
    MenuWindow started;
    QMenu& menu = started.Menu();
    Canvas& canvas = started.window.CanvasWidget();
    const QPoint at(1000, 600);  // clear of the panel
    // Through the window, as the platform delivers a click.
    QTest::mouseClick(started.window.windowHandle(), Qt::RightButton, {},
                      canvas.mapTo(&started.window, at));
    EXPECT_TRUE(menu.isVisible());
    menu.close();
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Menu), QKeySequence("Shift+F10")}) {
        started.window.BarWidget(Bar::Angle).setFocus();
        QTest::keySequence(QApplication::focusWidget(), key);
        EXPECT_TRUE(menu.isVisible()) << key.toString().toStdString();
        menu.close();
    }
    // The check marks show the state when the menu opens.
    started.window.SetView(View::Exact);
    started.window.MoveBar(Bar::Index, 75);
    QTest::keySequence(&started.window, QKeySequence("Shift+F10"));
    QStringList checked;
    for (const QAction* item : Items(menu)) {
        if (item->isChecked()) {
            checked.append(item->text());
        }
    }
    menu.close();
    EXPECT_EQ(checked,
              QStringList({"Exact view", "Key to the colours", "1/4", "Water to air (0.75)"}));
}

// Choosing a pair moves the index bar as a user would: its Change runs the
// handler, so the caption, the speeds and the information box follow.
TEST(ContextMenu, EveryPairOfMediaSetsTheIndexBarThroughItsChange) {
    MenuWindow started;
    started.Press(Qt::Key_F1);
    int digit = 1;
    for (const MediaPair& pair : MediaPresets()) {
        SCOPED_TRACE(pair.Name());
        started.Press(Qt::Key_0 + digit++);
        OrvathWindow& window = started.window;
        EXPECT_EQ(window.Model().Bars().index, pair.indexTimes100);
        EXPECT_EQ(window.BarWidget(Bar::Index).value(), pair.indexTimes100);
        EXPECT_EQ(window.LabelWidget(Bar::Index).text(),
                  QStringLiteral("c2=  C1/%1").arg(pair.indexTimes100 / 100.0, 0, 'f', 2));
        EXPECT_DOUBLE_EQ(window.Model().CurrentScene().c2, 5 * 100.0 / pair.indexTimes100);
        EXPECT_TRUE(started.desktop->Overlay().Lines().contains(
            QString::fromStdString("Media: " + pair.Name())));
    }
}

// The language menu rewrites every caption, the texts on the controls, the
// title and the menu at once, and leaves the bars and the view as they are;
// back in the original, every text is what it was.
TEST(ContextMenu, LanguageMenuSwitchesEveryTextAndNothingElse) {
    MenuWindow started;
    OrvathWindow& window = started.window;
    window.MoveBar(Bar::Angle, 70);
    window.MoveBar(Bar::Index, 50);
    const auto texts = [&window] {
        QStringList shown = {window.windowTitle(), window.ButtonWidget(Button::Start).text(),
                             window.ExactSwitch().text(), window.ExactSwitch().toolTip()};
        for (const Bar bar : kBars) {
            shown.append(window.LabelWidget(bar).text());
        }
        return shown;
    };
    const QStringList original = texts();
    const std::string state = State(started);
    QMenu* languages = started.Menu().findChild<QMenu*>("LanguageMenu");
    ASSERT_NE(languages, nullptr);
    const auto choose = [languages](const QString& name) {
        for (QAction* item : languages->actions()) {
            if (item->text() == name) {
                item->trigger();
                return;
            }
        }
        ADD_FAILURE() << name.toStdString();
    };
    choose("Deutsch");
    const QStringList german = texts();
    EXPECT_EQ(german.at(4), "EINFALLSWINKEL= 70");
    EXPECT_EQ(german.at(1), "TIMER");
    EXPECT_EQ(german.at(2), "EXAKT");
    EXPECT_EQ(State(started), state);
    EXPECT_EQ(started.Menu().actions().front()->text(), "Exakte Ansicht");
    choose("English");
    EXPECT_EQ(texts(), original);
    EXPECT_EQ(State(started), state);
}

}  // namespace
}  // namespace orvath::testing
