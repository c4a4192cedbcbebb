// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace orvath {

class OrvathWindow;
class TeacherNotes;

// What the window's actions do beyond the window and its panel.
struct ActionHandlers {
    std::function<void()> savePicture;
    std::function<void()> copyPicture;
    std::function<void()> saveAnimation;
    std::function<void()> toggleInformation;
    std::function<bool()> informationShown;
    std::function<void(std::string_view code)> setLanguage;
};

// Everything a user does to the window besides its controls, each a QAction
// with its key: the view and the reflected wave, the timer's speed and
// single steps, the pairs of media, the theme, the timer and the start
// values, zooming the picture, saving and copying it, saving an animation
// the protractor, the ruler and the mystery medium, the information box and
// the language. The keys work wherever the focus is in the window; the
// picture's menu (right click, the Menu key or Shift+F10) lists the same
// actions with their keys.
class WindowActions {
  public:
    WindowActions(OrvathWindow& window, ActionHandlers handlers);
    ~WindowActions();
    WindowActions(const WindowActions&) = delete;
    WindowActions& operator=(const WindowActions&) = delete;

    // Shows the menu at a point on the screen, its check marks up to date.
    void ShowMenu(QPoint globalPosition);
    QMenu& Menu() { return menu_; }
    // Writes every action's and submenu's text in the chosen language.
    void WriteTexts();

  private:
    // `text` is the original, shown through Tr.
    QAction& Add(QAction& action, std::string_view text, const QList<QKeySequence>& keys,
                 const std::function<void()>& run, bool checkable = false);
    QAction& AddTo(std::deque<QAction>& actions, std::string_view text, const QKeySequence& key,
                   const std::function<void()>& run);
    void AddSpeedActions();
    void AddMediaActions();
    void AddLessonActions();
    // Asks for the index a student measured and says how close it is.
    void AskForGuess();
    // Opens the notes for the teacher, made the first time.
    void ShowNotes();
    void AddLanguageActions();
    void BuildMenu();
    // Checks the actions that show a state: the view, the reflected wave,
    // the key, the speed, the pair of media, the theme and the information box.
    void ShowState();

    OrvathWindow& window_;
    ActionHandlers handlers_;
    QAction exactView_;
    QAction reflection_;
    QAction key_;
    QAction slower_;
    QAction faster_;
    std::deque<QAction> speeds_;  // in the order of kTimerSpeeds
    QAction stepForward_;
    QAction stepBack_;
    QAction periodForward_;
    QAction periodBack_;
    std::deque<QAction> media_;  // in the order of MediaPresets()
    QAction projector_;
    QAction zoomIn_;
    QAction zoomOut_;
    QAction wholePicture_;
    QAction protractor_;
    QAction ruler_;
    QAction mystery_;
    QAction guess_;
    QAction reveal_;
    QAction notes_;
    QAction timer_;
    QAction reset_;
    QAction savePicture_;
    QAction copyPicture_;
    QAction saveAnimation_;
    QAction information_;
    QAction showMenu_;
    QActionGroup speedGroup_;
    std::deque<QAction> languages_;  // the original, then ShippedLanguages()
    QActionGroup mediaGroup_;
    QActionGroup languageGroup_;
    QMenu menu_;
    QMenu speedMenu_;
    QMenu mediaMenu_;
    QMenu languageMenu_;
    std::unique_ptr<TeacherNotes> notesDialog_;
    std::vector<std::pair<QAction*, std::string_view>> texts_;  // the originals
};

}  // namespace orvath
