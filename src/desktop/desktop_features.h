// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "desktop/focus_outline.h"
#include "desktop/info_overlay.h"
#include "desktop/shortcuts.h"
#include "panel/panel_observer.h"

namespace orvath {

class OrvathWindow;

// Asks where to save the picture; an empty name cancels.
using FileChooser = std::function<QString(QWidget& parent)>;

// What makes the window a desktop program: the keyboard shortcuts, tooltips
// and screen-reader texts, the information box (F1) and saving (Ctrl+S) or
// copying (Ctrl+C) the picture. The window owns it (AddDesktopFeatures).
class DesktopFeatures : private PanelObserver {
  public:
    explicit DesktopFeatures(OrvathWindow& window);
    ~DesktopFeatures() override;
    DesktopFeatures(const DesktopFeatures&) = delete;
    DesktopFeatures& operator=(const DesktopFeatures&) = delete;

    // Replaces the save dialog, for example with a fixed name.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Writes the picture as the canvas shows it, PNG or SVG by the name's
    // extension. Returns a one-line error, or an empty string.
    QString SavePicture(const QString& path) const;
    // Puts the picture on the clipboard as an image.
    void CopyPicture() const;
    void ToggleInformation();

    const InfoOverlay& Overlay() const { return overlay_; }
    const FocusOutline& Outline() const { return focusOutline_; }

  private:
    void BarChanged(Bar bar, int value) override;
    void OptionSelected(DisplayMode mode) override;
    void ViewChanged(View view) override;
    void ReflectionChanged(bool shown) override;
    // The picture's description and the information box after a change of
    // what the picture shows.
    void DescribePicture();
    void SaveWithDialog();
    void RefreshOverlay();

    OrvathWindow& window_;
    InfoOverlay overlay_;
    FocusOutline focusOutline_;
    Shortcuts shortcuts_;
    FileChooser chooseFile_;
};

}  // namespace orvath
