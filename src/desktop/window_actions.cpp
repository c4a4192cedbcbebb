// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/window_actions.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

#include "desktop/orvath_window.h"
#include "desktop/teacher_notes.h"
#include "model/action_texts.h"
#include "model/media.h"
#include "model/mystery.h"
#include "text/languages.h"
#include "text/translate.h"

namespace orvath {
namespace {

// "Air to water (1.33)", with the locale's decimal separator.
QString MediaText(const MediaPair& pair) {
    QString name = QString::fromStdString(pair.Name());
    name[0] = name[0].toUpper();
    return QStringLiteral("%1 (%2)").arg(name,
                                         QLocale().toString(pair.indexTimes100 / 100.0, 'f', 2));
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QKeySequence Digit(Qt::KeyboardModifiers modifiers, int digit) {
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(Qt::Key_0 + digit)));
}

}  // namespace

WindowActions::WindowActions(OrvathWindow& window, ActionHandlers handlers)
    : window_(window),
      handlers_(std::move(handlers)),
      exactView_(&window),
      reflection_(&window),
      key_(&window),
      slower_(&window),
      faster_(&window),
      stepForward_(&window),
      stepBack_(&window),
      periodForward_(&window),
      periodBack_(&window),
      projector_(&window),
      zoomIn_(&window),
      zoomOut_(&window),
      wholePicture_(&window),
      protractor_(&window),
      ruler_(&window),
      mystery_(&window),
      guess_(&window),
      reveal_(&window),
      notes_(&window),
      timer_(&window),
      reset_(&window),
      savePicture_(&window),
      copyPicture_(&window),
      saveAnimation_(&window),
      information_(&window),
      showMenu_(&window),
      speedGroup_(&window),
      mediaGroup_(&window),
      languageGroup_(&window),
      menu_(&window),
      speedMenu_(&menu_),
      mediaMenu_(&menu_),
      languageMenu_(&menu_) {
    Panel& panel = window.Model();
    Add(
        exactView_, TrMark("Exact view"), {Qt::Key_E}, [&window] { window.ExactSwitch().toggle(); },
        true);
    Add(
        reflection_, TrMark("Reflected wave"), {Qt::Key_R},
        [&window] { window.ReflectionSwitch().toggle(); }, true);
    Add(
        key_, TrMark("Key to the colours"), {Qt::Key_K}, [&panel] { panel.SetKey(!panel.Key()); },
        true);
    Add(slower_, TrMark("Slower"), {Qt::Key_Minus},
        [&panel] { panel.SetSpeed(Slower(panel.Speed())); });
    Add(faster_, TrMark("Faster"), {Qt::Key_Plus},
        [&panel] { panel.SetSpeed(Faster(panel.Speed())); });
    AddSpeedActions();
    Add(stepForward_, TrMark("One step forward"), {Qt::Key_Period},
        [&panel] { panel.StepTime(1); });
    Add(stepBack_, TrMark("One step back"), {Qt::Key_Comma}, [&panel] { panel.StepTime(-1); });
    Add(periodForward_, TrMark("One period forward"), {Qt::SHIFT | Qt::Key_Period},
        [&panel] { panel.StepPeriods(1); });
    Add(periodBack_, TrMark("One period back"), {Qt::SHIFT | Qt::Key_Comma},
        [&panel] { panel.StepPeriods(-1); });
    AddMediaActions();
    Add(
        projector_, TrMark("Projector theme"), {Qt::Key_T},
        [&window] {
            window.SetTheme(window.CurrentTheme() == Theme::Projector ? Theme::Classic
                                                                      : Theme::Projector);
        },
        true);
    PictureHands& hands = window.Hands();
    Add(zoomIn_, TrMark("Zoom in"), {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
        [&hands] { hands.ZoomIn(); });
    Add(zoomOut_, TrMark("Zoom out"), {Qt::CTRL | Qt::Key_Minus}, [&hands] { hands.ZoomOut(); });
    Add(wholePicture_, TrMark("Whole picture"), {Qt::CTRL | Qt::Key_0},
        [&hands] { hands.WholePicture(); });
    AddLessonActions();
    Add(timer_, TrMark("Start or stop the timer"), {Qt::Key_Space},
        [&panel] { panel.StartOrStopTimer(); });
    Add(reset_, TrMark("Back to the start values"), {Qt::CTRL | Qt::Key_R},
        [&panel] { panel.ResetToStart(); });
    Add(savePicture_, TrMark("Save picture…"), {Qt::CTRL | Qt::Key_S}, handlers_.savePicture);
    Add(copyPicture_, TrMark("Copy picture"), {Qt::CTRL | Qt::Key_C}, handlers_.copyPicture);
    Add(saveAnimation_, TrMark("Save animation…"), {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        handlers_.saveAnimation);
    Add(information_, TrMark("Information box"), {Qt::Key_F1}, handlers_.toggleInformation, true);
    // The menu itself, from the keyboard: at the middle of the picture.
    Add(showMenu_, TrMark("Menu"), {Qt::SHIFT | Qt::Key_F10, Qt::Key_Menu}, [this] {
        const Canvas& canvas = window_.CanvasWidget();
        ShowMenu(canvas.mapToGlobal(canvas.rect().center()));
    });
    AddLanguageActions();
    BuildMenu();
    WriteTexts();
}

QAction& WindowActions::Add(QAction& action, std::string_view text, const QList<QKeySequence>& keys,
                            const std::function<void()>& run, bool checkable) {
    texts_.emplace_back(&action, text);
    action.setShortcuts(keys);
    action.setShortcutContext(Qt::WindowShortcut);
    action.setShortcutVisibleInContextMenu(true);
    action.setCheckable(checkable);
    QObject::connect(&action, &QAction::triggered, &window_, [run] { run(); });
    window_.addAction(&action);
    return action;
}

QAction& WindowActions::AddTo(std::deque<QAction>& actions, std::string_view text,
                              const QKeySequence& key, const std::function<void()>& run) {
    actions.emplace_back(&window_);
    return Add(actions.back(), text, {key}, run, true);
}

void WindowActions::AddSpeedActions() {
    Panel& panel = window_.Model();
    int digit = 1;
    for (const TimerSpeed speed : kTimerSpeeds) {
        QAction& action = AddTo(speeds_, SpeedName(speed), Digit(Qt::ControlModifier, digit++),
                                [&panel, speed] { panel.SetSpeed(speed); });
        action.setData(static_cast<int>(speed));
        speedGroup_.addAction(&action);
    }
}

void WindowActions::AddMediaActions() {
    int digit = 1;
    for (const MediaPair& pair : MediaPresets()) {
        // Moved as a user moves the bar, so that its Change runs.
        QAction& action =
            AddTo(media_, {}, Digit(Qt::NoModifier, digit++),
                  [this, index = pair.indexTimes100] { window_.MoveBar(Bar::Index, index); });
        action.setData(pair.indexTimes100);
        mediaGroup_.addAction(&action);
    }
    mediaGroup_.setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

void WindowActions::AddLessonActions() {
    PictureHands& hands = window_.Hands();
    Panel& panel = window_.Model();
    Add(
        protractor_, TrMark("Protractor"), {Qt::Key_P},
        [&hands] { hands.ShowProtractor(!hands.ShownProtractor()); }, true);
    Add(
        ruler_, TrMark("Ruler"), {Qt::Key_L}, [&hands] { hands.ShowRuler(!hands.ShownRuler()); },
        true);
    // A new mystery each time, or back to the bars when one is on.
    Add(
        mystery_, kMysteryAction, {Qt::Key_M},
        [this, &panel] {
            if (panel.IndexHidden()) {
                window_.RevealMystery();
            } else {
                window_.StartMystery(NewMysterySeed());
            }
        },
        true);
    Add(guess_, kGuessAction, {Qt::Key_G}, [this] { AskForGuess(); });
    Add(reveal_, kRevealAction, {Qt::SHIFT | Qt::Key_M}, [this] { window_.RevealMystery(); });
    Add(notes_, kNotesAction, {Qt::Key_N}, [this] { ShowNotes(); });
}

void WindowActions::ShowNotes() {
    if (!notesDialog_) {
        notesDialog_ = std::make_unique<TeacherNotes>(&window_);
    }
    notesDialog_->WriteTexts();
    notesDialog_->show();
    notesDialog_->raise();
}

void WindowActions::AskForGuess() {
    const Panel& panel = window_.Model();
    if (!panel.IndexHidden()) {
        return;
    }
    bool given = false;
    const QString typed = QInputDialog::getText(&window_, FromView(Tr("Mystery medium")),
                                                FromView(Tr("The relative index you measured:")),
                                                QLineEdit::Normal, {}, &given);
    if (!given) {
        return;
    }
    const std::string answer = typed.toStdString();
    window_.Guess(answer);
    const std::string message = GuessMessage(JudgeGuess(answer, panel.Bars().index),
                                             QLocale().decimalPoint().toStdString());
    QMessageBox::information(&window_, FromView(Tr("Mystery medium")),
                             QString::fromStdString(message));
}

void WindowActions::AddLanguageActions() {
    std::vector<std::string_view> codes = {kOriginalLanguage};
    codes.insert(codes.end(), ShippedLanguages().begin(), ShippedLanguages().end());
    for (const std::string_view code : codes) {
        languages_.emplace_back(&window_);
        QAction& action = languages_.back();
        // Each language by its own name, whichever is chosen.
        action.setText(FromView(LanguageName(code)));
        action.setCheckable(true);
        action.setData(FromView(code));
        QObject::connect(&action, &QAction::triggered, &window_,
                         [this, code] { handlers_.setLanguage(code); });
        languageGroup_.addAction(&action);
        languageMenu_.addAction(&action);
    }
}

void WindowActions::WriteTexts() {
    for (const auto& [action, text] : texts_) {
        if (!text.empty()) {
            action->setText(FromView(Tr(text)));
        }
    }
    const std::vector<MediaPair> presets = MediaPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        media_.at(i).setText(MediaText(presets[i]));
    }
    speedMenu_.setTitle(FromView(Tr("Speed and steps")));
    mediaMenu_.setTitle(FromView(Tr("Pair of media")));
    // The menu's name also in English, where a stranger to the language looks.
    const QString language = FromView(Tr("Language"));
    languageMenu_.setTitle(CurrentLanguage() == kOriginalLanguage
                               ? language
                               : QStringLiteral("%1 (Language)").arg(language));
}

void WindowActions::BuildMenu() {
    menu_.setObjectName(QStringLiteral("PictureMenu"));
    languageMenu_.setObjectName(QStringLiteral("LanguageMenu"));
    menu_.addActions({&exactView_, &reflection_, &key_});
    speedMenu_.addActions({&slower_, &faster_});
    speedMenu_.addSeparator();
    for (QAction& speed : speeds_) {
        speedMenu_.addAction(&speed);
    }
    speedMenu_.addSeparator();
    speedMenu_.addActions({&stepForward_, &stepBack_, &periodForward_, &periodBack_});
    menu_.addMenu(&speedMenu_);
    for (QAction& pair : media_) {
        mediaMenu_.addAction(&pair);
    }
    menu_.addMenu(&mediaMenu_);
    menu_.addAction(&projector_);
    menu_.addSeparator();
    menu_.addActions({&zoomIn_, &zoomOut_, &wholePicture_});
    menu_.addSeparator();
    menu_.addActions({&protractor_, &ruler_, &mystery_, &guess_, &reveal_, &notes_});
    menu_.addSeparator();
    menu_.addActions({&timer_, &reset_});
    menu_.addSeparator();
    menu_.addActions({&savePicture_, &copyPicture_, &saveAnimation_});
    menu_.addSeparator();
    menu_.addAction(&information_);
    menu_.addMenu(&languageMenu_);
}

void WindowActions::ShowState() {
    const Panel& panel = window_.Model();
    exactView_.setChecked(panel.CurrentView() == View::Exact);
    reflection_.setChecked(panel.Reflection());
    key_.setChecked(panel.Key());
    for (QAction& speed : speeds_) {
        speed.setChecked(speed.data().toInt() == static_cast<int>(panel.Speed()));
    }
    for (QAction& pair : media_) {
        // No pair is checked while the index is hidden: that would tell it.
        pair.setChecked(!panel.IndexHidden() && pair.data().toInt() == panel.Bars().index);
    }
    projector_.setChecked(window_.CurrentTheme() == Theme::Projector);
    information_.setChecked(handlers_.informationShown());
    protractor_.setChecked(window_.Hands().ShownProtractor().has_value());
    ruler_.setChecked(window_.Hands().ShownRuler().has_value());
    mystery_.setChecked(panel.IndexHidden());
    guess_.setEnabled(panel.IndexHidden());
    reveal_.setEnabled(panel.IndexHidden());
    for (QAction& language : languages_) {
        language.setChecked(language.data().toString() == FromView(CurrentLanguage()));
    }
}

WindowActions::~WindowActions() = default;

void WindowActions::ShowMenu(QPoint globalPosition) {
    ShowState();
    menu_.popup(globalPosition);
}

}  // namespace orvath
