// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "web/page_document.h"

namespace orvath::testing {

// The page's elements as plain values, keyed by id: what the browser would
// show after the page's calls.
struct RecordingDocument : web::PageDocument {
    std::map<std::string, PixelRect, std::less<>> rects;
    std::map<std::string, double, std::less<>> fonts;
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> values;
    std::map<std::string, bool, std::less<>> checked;
    std::map<std::string, bool, std::less<>> enabled;
    std::map<std::string, std::string, std::less<>> toolTips;
    std::map<std::string, std::string, std::less<>> names;
    std::map<std::string, std::string, std::less<>> descriptions;
    std::vector<std::string> information;
    std::map<std::string, std::string, std::less<>> valueTexts;
    std::map<std::string, std::string, std::less<>> choices;
    double themeScale = 1;
    std::vector<std::string> announced;  // not part of what is shown

    void Place(std::string_view id, const PixelRect& rect) override {
        rects[std::string(id)] = rect;
    }
    void SetFontPoints(std::string_view id, double points) override {
        fonts[std::string(id)] = points;
    }
    void SetText(std::string_view id, std::string_view text) override {
        texts[std::string(id)] = text;
    }
    void SetValue(std::string_view id, int value) override { values[std::string(id)] = value; }
    void SetRange(std::string_view /*id*/, int /*min*/, int /*max*/) override {}
    void SetChecked(std::string_view id, bool on) override { checked[std::string(id)] = on; }
    void SetEnabled(std::string_view id, bool on) override { enabled[std::string(id)] = on; }
    void Describe(std::string_view id, const ControlText& text) override {
        toolTips[std::string(id)] = text.toolTip;
        names[std::string(id)] = text.name;
        if (!text.description.empty()) {
            descriptions[std::string(id)] = text.description;
        }
    }
    void SetDescription(std::string_view id, std::string_view text) override {
        descriptions[std::string(id)] = text;
    }
    void ShowInformation(const std::vector<std::string>& lines) override { information = lines; }
    void SetValueText(std::string_view id, std::string_view text) override {
        valueTexts[std::string(id)] = text;
    }
    void SetChoice(std::string_view id, std::string_view command) override {
        choices[std::string(id)] = command;
    }
    void SetThemeScale(double scale) override { themeScale = scale; }
    void Announce(std::string_view text) override { announced.emplace_back(text); }

    friend bool operator==(const RecordingDocument& a, const RecordingDocument& b) {
        const auto all = [](const RecordingDocument& d) {
            return std::tie(d.rects, d.fonts, d.texts, d.values, d.checked, d.enabled, d.toolTips,
                            d.names, d.descriptions, d.information, d.valueTexts, d.choices,
                            d.themeScale);
        };
        return all(a) == all(b);
    }
};

}  // namespace orvath::testing
