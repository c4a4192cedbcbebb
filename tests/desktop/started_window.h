// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>
#include <optional>

#include "desktop/startup.h"
#include "desktop/desktop_features.h"
#include "desktop/orvath_form.h"

namespace orvath::testing {

// The window as the program starts it on a 1600x900 screen, with its desktop
// features, shown and active on the offscreen platform so that its keys
// work. The timer switches on and off but does not run by itself.
struct StartedWindow {
    StartedWindow() {
        Main(form, {QRect(0, 0, 1600, 900), 15});
        desktop.emplace(form);
        form.show();
        QApplication::setActiveWindow(&form);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&form);
    }

    // Presses a key where the focus is, as a user at the keyboard does.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &form, static_cast<Qt::Key>(key), modifiers);
    }

    OrvathForm form{FormWiring{.realTimeTimer = false}};
    std::optional<DesktopFeatures> desktop;
};

}  // namespace orvath::testing
