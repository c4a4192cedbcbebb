// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/keyboard_focus.h"

#include <QKeyEvent>
#include <vector>

#include "desktop/orvath_window.h"

namespace orvath {

ControlKeys::ControlKeys(OrvathWindow& window) {
    std::vector<QWidget*> stops;
    for (const Control control :
         {Control::AngleBar, Control::TimeBar, Control::WavesBar, Control::IndexBar,
          Control::ContinuousOption, Control::WaveletsOption}) {
        stops.push_back(&window.ControlWidget(control));
    }
    stops.push_back(&window.ExactSwitch());
    stops.push_back(&window.ReflectionSwitch());
    for (const Control control : {Control::StartButton, Control::StopButton}) {
        stops.push_back(&window.ControlWidget(control));
    }
    for (std::size_t i = 0; i < stops.size(); ++i) {
        stops[i]->setFocusPolicy(Qt::StrongFocus);
        if (i > 0) {
            QWidget::setTabOrder(stops[i - 1], stops[i]);
        }
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
    for (const Button button :
         {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
        window.ButtonWidget(button).installEventFilter(this);
    }
    window.ExactSwitch().installEventFilter(this);
    window.ReflectionSwitch().installEventFilter(this);
}

bool ControlKeys::eventFilter(QObject* /*watched*/, QEvent* event) {
    // The window's Space shortcut gives way to the focused control.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Space && key.modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return false;
}

}  // namespace orvath
