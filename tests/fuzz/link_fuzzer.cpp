// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes as the part of a link after '#' to the page's reader
// of settings, and checks what a class opening the link gets: every setting
// within its control's range, every problem one short printable line, and
// the panel those settings give a link of its own that brings it back.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/bar_settings.h"
#include "panel/panel.h"
#include "surface/display_list.h"
#include "web/url_settings.h"

namespace {

// The longest problem line: a quoted word is cut at 40 characters.
constexpr std::size_t kMaxProblemLength = 160;

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "link fuzzer: %s\n%s\n", what, detail.c_str());
    std::abort();
}

bool Printable(const std::string& line) {
    for (const char c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) {
            return false;
        }
    }
    return true;
}

// The link of the panel that the settings give.
std::string LinkOfPanel(const orvath::PanelSettings& settings) {
    orvath::DisplayList picture;
    orvath::Panel panel(picture);
    orvath::ApplyViewSettings(settings, panel);
    panel.StartUp(320 * 15, 240 * 15);
    orvath::ApplySettings(settings, panel);
    return orvath::web::SettingsFragment(orvath::SettingsShown(panel));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view fragment(reinterpret_cast<const char*>(data), size);
    const orvath::web::UrlSettings read = orvath::web::ParseUrlSettings(fragment);
    for (const orvath::Bar bar : orvath::kBars) {
        const orvath::BarSetting& setting = orvath::SettingOf(bar);
        const auto& value = read.settings[bar];
        if (value && (*value < setting.min || *value > setting.max)) {
            Fail("took a bar value out of range",
                 std::string(setting.word) + "=" + std::to_string(*value));
        }
    }
    for (const std::string& problem : read.problems) {
        if (problem.size() > kMaxProblemLength || !Printable(problem)) {
            Fail("a problem is not one short printable line", problem);
        }
    }
    if (read.problems.size() >
        1 + static_cast<std::size_t>(std::count(fragment.begin(), fragment.end(), '&'))) {
        Fail("more problems than pieces", std::to_string(read.problems.size()));
    }
    const std::string link = LinkOfPanel(read.settings);
    const orvath::web::UrlSettings again = orvath::web::ParseUrlSettings(link);
    if (!again.problems.empty() || LinkOfPanel(again.settings) != link) {
        Fail("the panel's own link does not bring it back", link);
    }
    return 0;
}
