// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shortcuts.h"

#include "desktop/orvath_window.h"

namespace orvath {

Shortcuts::Shortcuts(QWidget& window, const ShortcutHandlers& handlers)
    : save_(QKeySequence(Qt::CTRL | Qt::Key_S), &window, handlers.savePicture),
      copy_(QKeySequence(Qt::CTRL | Qt::Key_C), &window, handlers.copyPicture),
      reset_(QKeySequence(Qt::CTRL | Qt::Key_R), &window, handlers.resetBars),
      timer_(QKeySequence(Qt::Key_Space), &window, handlers.startOrStopTimer),
      information_(QKeySequence(Qt::Key_F1), &window, handlers.toggleInformation) {}

void LetKeysReachEveryControl(OrvathWindow& window) {
    QWidget* previous = nullptr;
    for (const Control control :
         {Control::AngleBar, Control::TimeBar, Control::WavesBar, Control::ContinuousOption,
          Control::WaveletsOption, Control::IndexBar, Control::StartButton, Control::StopButton}) {
        QWidget& widget = window.ControlWidget(control);
        widget.setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, &widget);
        }
        previous = &widget;
    }
    window
        .ButtonWidget(window.Model().Mode() == DisplayMode::Continuous ? Button::Wavelets
                                                                       : Button::Continuous)
        .setFocusPolicy(Qt::ClickFocus);
    for (const Bar bar : kBars) {
        // A scroll bar's Up and Page Up go towards its minimum; these bars
        // set quantities, so up means more.
        window.BarWidget(bar).setInvertedControls(false);
    }
}

}  // namespace orvath
