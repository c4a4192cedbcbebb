// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "desktop/animation_export.h"
#include "desktop/focus_outline.h"
#include "desktop/info_overlay.h"
#include "desktop/keyboard_focus.h"
#include "desktop/window_actions.h"
#include "panel/panel_observer.h"

namespace orvath {

class OrvathWindow;

// Asks where to save the picture or the animation; an empty name cancels.
using FileChooser = std::function<QString(QWidget& parent)>;

// What makes the window a desktop program: the actions with their keys and
// the picture's menu, tooltips and screen-reader texts, the information box
// (F1), saving (Ctrl+S) or copying (Ctrl+C) the picture and saving an
// animation (Ctrl+Shift+S). The window owns it (AddDesktopFeatures).
class DesktopFeatures : private PanelObserver {
  public:
    explicit DesktopFeatures(OrvathWindow& window);
    ~DesktopFeatures() override;
    DesktopFeatures(const DesktopFeatures&) = delete;
    DesktopFeatures& operator=(const DesktopFeatures&) = delete;

    // Replace the save dialogs, for example with a fixed name.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetAnimationFileChooser(FileChooser chooser) { chooseAnimationFile_ = std::move(chooser); }

    // Writes the picture as the canvas shows it, in its theme and zoom, PNG or SVG by
    // the name's extension. Returns a one-line error, or an empty string.
    QString SavePicture(const QString& path) const;
    // Puts the picture on the clipboard as an image, in the canvas's theme and zoom.
    void CopyPicture() const;
    void ToggleInformation();
    // Switches every text of the window, its menu, its dialogs and the
    // pictures to the language (a code MatchLanguage returns).
    void SetLanguage(std::string_view code);

    // The whole run of the time bar with the window's settings, speed and
    // theme, at the default size and frame rate.
    AnimationSettings WindowAnimation() const;
    // Writes the window's animation as a GIF, with a progress dialog whose
    // Cancel stops it and leaves no file. Returns a one-line error, or an
    // empty string (also when cancelled).
    QString SaveAnimation(const QString& path);

    const InfoOverlay& Overlay() const { return overlay_; }
    const FocusOutline& Outline() const { return focusOutline_; }
    WindowActions& Actions() { return actions_; }

  private:
    void BarChanged(Bar bar, int value) override;
    void OptionSelected(DisplayMode mode) override;
    void ViewChanged(View view) override;
    void ReflectionChanged(bool shown) override;
    // The picture's description and the information box after a change of
    // what the picture shows.
    void DescribePicture();
    void SaveWithDialog();
    void SaveAnimationWithDialog();
    void RefreshOverlay();

    OrvathWindow& window_;
    InfoOverlay overlay_;
    FocusOutline focusOutline_;
    ControlKeys keys_;
    WindowActions actions_;
    FileChooser chooseFile_;
    FileChooser chooseAnimationFile_;
};

}  // namespace orvath
