// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "desktop/focus_outline.h"
#include "desktop/info_overlay.h"
#include "desktop/shortcuts.h"

namespace orvath {

class OrvathForm;

// Asks where to save the picture; an empty name cancels.
using FileChooser = std::function<QString(QWidget& parent)>;

// What makes the window a desktop program: the keyboard shortcuts, tooltips
// and screen-reader texts, the information overlay (F1) and saving (Ctrl+S)
// or copying (Ctrl+C) the picture. Create it after start-up; the form must
// outlive it.
class DesktopFeatures {
  public:
    explicit DesktopFeatures(OrvathForm& form);

    // Replaces the save dialog, for example with a fixed name.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Writes the picture as the canvas shows it, PNG or SVG by the name's
    // extension. Returns a one-line error, or an empty string.
    QString SavePicture(const QString& path) const;
    // Puts the picture on the clipboard as an image.
    void CopyPicture() const;
    void ToggleInformation();

    const InfoOverlay& Overlay() const { return overlay_; }

  private:
    void SaveWithDialog();
    void RefreshOverlay();

    OrvathForm& form_;
    InfoOverlay overlay_;
    FocusOutline focusOutline_;
    Shortcuts shortcuts_;
    FileChooser chooseFile_;
};

}  // namespace orvath
