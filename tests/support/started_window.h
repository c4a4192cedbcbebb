// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>

#include "desktop/desktop_features.h"
#include "desktop/orvath_window.h"

namespace orvath::testing {

// The window as the program starts it on a 1600x900 screen, with its desktop
// features, shown and active on the offscreen platform so that its keys
// work. The timer switches on and off but does not run by itself.
struct StartedWindow {
    StartedWindow() {
        window.StartUp({QRect(0, 0, 1600, 900), 15});
        desktop = &window.AddDesktopFeatures();
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    // Presses a key where the focus is, as a user at the keyboard does.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &window, static_cast<Qt::Key>(key), modifiers);
    }

    OrvathWindow window{WindowWiring{.realTimeTimer = false}};
    DesktopFeatures* desktop = nullptr;
};

}  // namespace orvath::testing
