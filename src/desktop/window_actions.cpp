// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/window_actions.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

#include "desktop/orvath_window.h"
#include "model/action_texts.h"
#include "model/media.h"
#include "model/mystery.h"

namespace orvath {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Air to water (1.33)", with the locale's decimal separator.
QString MediaText(const MediaPair& pair) {
    return QString::fromStdString(MediaPairText(pair, QLocale().decimalPoint().toStdString()));
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
      timer_(&window),
      reset_(&window),
      savePicture_(&window),
      copyPicture_(&window),
      saveAnimation_(&window),
      information_(&window),
      showMenu_(&window),
      speedGroup_(&window),
      mediaGroup_(&window),
      menu_(&window),
      speedMenu_(Text(kSpeedMenu), &menu_),
      mediaMenu_(Text(kMediaMenu), &menu_) {
    Panel& panel = window.Model();
    Add(
        exactView_, Text(kExactViewAction), {Qt::Key_E},
        [&window] { window.ExactSwitch().toggle(); }, true);
    Add(
        reflection_, Text(kReflectionAction), {Qt::Key_R},
        [&window] { window.ReflectionSwitch().toggle(); }, true);
    Add(
        key_, Text(kKeyAction), {Qt::Key_K}, [&panel] { panel.SetKey(!panel.Key()); }, true);
    Add(slower_, Text(kSlowerAction), {Qt::Key_Minus},
        [&panel] { panel.SetSpeed(Slower(panel.Speed())); });
    Add(faster_, Text(kFasterAction), {Qt::Key_Plus},
        [&panel] { panel.SetSpeed(Faster(panel.Speed())); });
    AddSpeedActions();
    Add(stepForward_, Text(kStepForwardAction), {Qt::Key_Period}, [&panel] { panel.StepTime(1); });
    Add(stepBack_, Text(kStepBackAction), {Qt::Key_Comma}, [&panel] { panel.StepTime(-1); });
    Add(periodForward_, Text(kPeriodForwardAction), {Qt::SHIFT | Qt::Key_Period},
        [&panel] { panel.StepPeriods(1); });
    Add(periodBack_, Text(kPeriodBackAction), {Qt::SHIFT | Qt::Key_Comma},
        [&panel] { panel.StepPeriods(-1); });
    AddMediaActions();
    Add(
        projector_, Text(kProjectorAction), {Qt::Key_T},
        [&window] {
            window.SetTheme(window.CurrentTheme() == Theme::Projector ? Theme::Classic
                                                                      : Theme::Projector);
        },
        true);
    PictureHands& hands = window.Hands();
    Add(zoomIn_, QStringLiteral("Zoom in"), {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
        [&hands] { hands.ZoomIn(); });
    Add(zoomOut_, QStringLiteral("Zoom out"), {Qt::CTRL | Qt::Key_Minus},
        [&hands] { hands.ZoomOut(); });
    Add(wholePicture_, QStringLiteral("Whole picture"), {Qt::CTRL | Qt::Key_0},
        [&hands] { hands.WholePicture(); });
    AddLessonActions();
    Add(timer_, Text(kTimerAction), {Qt::Key_Space}, [&panel] { panel.StartOrStopTimer(); });
    Add(reset_, Text(kResetAction), {Qt::CTRL | Qt::Key_R}, [&panel] { panel.ResetToStart(); });
    Add(savePicture_, QStringLiteral("Save picture\u2026"), {Qt::CTRL | Qt::Key_S},
        handlers_.savePicture);
    Add(copyPicture_, Text(kCopyPictureAction), {Qt::CTRL | Qt::Key_C}, handlers_.copyPicture);
    Add(saveAnimation_, QStringLiteral("Save animation\u2026"), {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        handlers_.saveAnimation);
    Add(information_, Text(kInformationAction), {Qt::Key_F1}, handlers_.toggleInformation, true);
    // The menu itself, from the keyboard: at the middle of the picture.
    Add(showMenu_, Text(kMenuAction), {Qt::SHIFT | Qt::Key_F10, Qt::Key_Menu}, [this] {
        const Canvas& canvas = window_.CanvasWidget();
        ShowMenu(canvas.mapToGlobal(canvas.rect().center()));
    });
    BuildMenu();
}

QAction& WindowActions::Add(QAction& action, const QString& text, const QList<QKeySequence>& keys,
                            const std::function<void()>& run, bool checkable) {
    action.setText(text);
    action.setShortcuts(keys);
    action.setShortcutContext(Qt::WindowShortcut);
    action.setShortcutVisibleInContextMenu(true);
    action.setCheckable(checkable);
    QObject::connect(&action, &QAction::triggered, &window_, [run] { run(); });
    window_.addAction(&action);
    return action;
}

QAction& WindowActions::AddTo(std::deque<QAction>& actions, const QString& text,
                              const QKeySequence& key, const std::function<void()>& run) {
    actions.emplace_back(&window_);
    return Add(actions.back(), text, {key}, run, true);
}

void WindowActions::AddSpeedActions() {
    Panel& panel = window_.Model();
    int digit = 1;
    for (const TimerSpeed speed : kTimerSpeeds) {
        QAction& action =
            AddTo(speeds_, QString::fromUtf8(SpeedName(speed)), Digit(Qt::ControlModifier, digit++),
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
            AddTo(media_, MediaText(pair), Digit(Qt::NoModifier, digit++),
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
        protractor_, QStringLiteral("Protractor"), {Qt::Key_P},
        [&hands] { hands.ShowProtractor(!hands.ShownProtractor()); }, true);
    Add(
        ruler_, QStringLiteral("Ruler"), {Qt::Key_L},
        [&hands] { hands.ShowRuler(!hands.ShownRuler()); }, true);
    // A new mystery each time, or back to the bars when one is on.
    Add(
        mystery_, QStringLiteral("Mystery medium"), {Qt::Key_M},
        [this, &panel] {
            if (panel.IndexHidden()) {
                window_.RevealMystery();
            } else {
                window_.StartMystery(NewMysterySeed());
            }
        },
        true);
    Add(guess_, QStringLiteral("Type the index you measured\u2026"), {Qt::Key_G},
        [this] { AskForGuess(); });
    Add(reveal_, QStringLiteral("Reveal the index"), {Qt::SHIFT | Qt::Key_M},
        [this] { window_.RevealMystery(); });
}

void WindowActions::AskForGuess() {
    const Panel& panel = window_.Model();
    if (!panel.IndexHidden()) {
        return;
    }
    bool given = false;
    const QString typed = QInputDialog::getText(&window_, QStringLiteral("Mystery medium"),
                                                QStringLiteral("The relative index you measured:"),
                                                QLineEdit::Normal, {}, &given);
    if (!given) {
        return;
    }
    const std::string answer = typed.toStdString();
    window_.Guess(answer);
    const std::string message = GuessMessage(JudgeGuess(answer, panel.Bars().index),
                                             QLocale().decimalPoint().toStdString());
    QMessageBox::information(&window_, QStringLiteral("Mystery medium"),
                             QString::fromStdString(message));
}

void WindowActions::BuildMenu() {
    menu_.setObjectName(QStringLiteral("PictureMenu"));
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
    menu_.addActions({&protractor_, &ruler_, &mystery_, &guess_, &reveal_});
    menu_.addSeparator();
    menu_.addActions({&timer_, &reset_});
    menu_.addSeparator();
    menu_.addActions({&savePicture_, &copyPicture_, &saveAnimation_});
    menu_.addSeparator();
    menu_.addAction(&information_);
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
        pair.setChecked(pair.data().toInt() == panel.Bars().index);
    }
    projector_.setChecked(window_.CurrentTheme() == Theme::Projector);
    information_.setChecked(handlers_.informationShown());
    protractor_.setChecked(window_.Hands().ShownProtractor().has_value());
    ruler_.setChecked(window_.Hands().ShownRuler().has_value());
    mystery_.setChecked(panel.IndexHidden());
    guess_.setEnabled(panel.IndexHidden());
    reveal_.setEnabled(panel.IndexHidden());
}

void WindowActions::ShowMenu(QPoint globalPosition) {
    ShowState();
    menu_.popup(globalPosition);
}

}  // namespace orvath
