// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/control_texts.h"
#include "surface/screen_mapping.h"

namespace orvath::web {

// The page's elements as the program changes them: what a window does to its
// widgets, the page does to these. Elements are named by their ids: the
// panel's controls by their trace names ("prosptosis", "Label1", ...), and the
// page's own by the names in page.h.
class PageDocument {
  public:
    virtual ~PageDocument() = default;

    virtual void Place(std::string_view id, const PixelRect& rect) = 0;
    virtual void SetFontPoints(std::string_view id, double points) = 0;
    virtual void SetText(std::string_view id, std::string_view text) = 0;
    virtual void SetValue(std::string_view id, int value) = 0;
    virtual void SetRange(std::string_view id, int min, int max) = 0;
    virtual void SetChecked(std::string_view id, bool checked) = 0;
    // Whether the element takes input; a disabled bar shows no value.
    virtual void SetEnabled(std::string_view id, bool enabled) = 0;
    // The tooltip, the accessible name and the accessible description.
    virtual void Describe(std::string_view id, const ControlText& text) = 0;
    virtual void SetDescription(std::string_view id, std::string_view text) = 0;
    // The information box's lines; none hides it.
    virtual void ShowInformation(const std::vector<std::string>& lines) = 0;
    // What a screen reader says for a bar's value.
    virtual void SetValueText(std::string_view id, std::string_view text) = 0;
    // The choice a chooser shows, by its command; none shows no choice.
    virtual void SetChoice(std::string_view id, std::string_view command) = 0;
    // The panel's fonts grow by this factor in the theme, as far as each text
    // still fits its control.
    virtual void SetThemeScale(double scale) = 0;
    // Said once by a screen reader, when it is idle.
    virtual void Announce(std::string_view text) = 0;
};

}  // namespace orvath::web
