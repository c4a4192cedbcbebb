// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shortcuts.h"

#include <QRadioButton>
#include <QScrollBar>

#include "desktop/bar_options.h"
#include "desktop/orvath_form.h"

namespace orvath {

Shortcuts::Shortcuts(QWidget& window, const ShortcutHandlers& handlers)
    : save_(QKeySequence(Qt::CTRL | Qt::Key_S), &window, handlers.savePicture),
      copy_(QKeySequence(Qt::CTRL | Qt::Key_C), &window, handlers.copyPicture),
      reset_(QKeySequence(Qt::CTRL | Qt::Key_R), &window, handlers.resetBars),
      timer_(QKeySequence(Qt::Key_Space), &window, handlers.startOrStopTimer),
      information_(QKeySequence(Qt::Key_F1), &window, handlers.toggleInformation) {}

void LetKeysReachEveryControl(OrvathForm& form) {
    for (const ControlId id :
         {ControlId::prosptosis, ControlId::xronos, ControlId::arithkyMATON, ControlId::Option1,
          ControlId::Option2, ControlId::N_REFR, ControlId::Command1, ControlId::Command2}) {
        auto* control = form.findChild<QWidget*>(QString::fromUtf8(ControlName(id)));
        control->setFocusPolicy(Qt::StrongFocus);
        if (auto* option = qobject_cast<QRadioButton*>(control); option && !option->isChecked()) {
            option->setFocusPolicy(Qt::ClickFocus);
        }
        if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            // A scroll bar's Up and Page Up go towards its minimum; these bars
            // set quantities, so up means more.
            bar->setInvertedControls(false);
        }
    }
}

void ResetToDesignValues(OrvathForm& form) {
    const BarValues design;
    const BarValues before = form.Bars();
    const bool modeChanges = form.ContinuousSelected();
    ApplyBarOptions(form, {.mode = DisplayMode::Wavelets,
                           .angle = design.prosptosis,
                           .index = design.N_REFR,
                           .waves = design.arithkyMATON,
                           .time = design.xronos});
    const bool barsMoved =
        before.prosptosis != design.prosptosis || before.N_REFR != design.N_REFR ||
        before.arithkyMATON != design.arithkyMATON || before.xronos != design.xronos;
    // Selecting "WAVELETS" alone redraws nothing; with every bar already in
    // place the time bar's handler draws the wavelet picture.
    if (modeChanges && !barsMoved) {
        form.xronos_Change();
    }
}

void StartOrStopTimer(OrvathForm& form) {
    form.Click(form.TimerEnabled() ? ControlId::Command2 : ControlId::Command1);
}

}  // namespace orvath
