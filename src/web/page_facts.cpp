// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_facts.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "model/action_texts.h"
#include "model/control_texts.h"
#include "model/controls.h"
#include "model/number_format.h"
#include "surface/theme.h"
#include "text/languages.h"
#include "web/packed_picture.h"
#include "web/page_actions.h"
#include "web/page_controls.h"

namespace orvath::web {
namespace {

constexpr std::pair<std::string_view, PageCommand> kCommands[] = {
    {"view", PageCommand::View},
    {"reflection", PageCommand::Reflection},
    {"information", PageCommand::Information},
    {"timer", PageCommand::Timer},
    {"reset", PageCommand::Reset},
    {"key", PageCommand::Key},
    {"theme", PageCommand::Theme},
    {"slower", PageCommand::Slower},
    {"faster", PageCommand::Faster},
    {"stepForward", PageCommand::StepForward},
    {"stepBack", PageCommand::StepBack},
    {"periodForward", PageCommand::PeriodForward},
    {"periodBack", PageCommand::PeriodBack},
    {"mystery", PageCommand::Mystery},
    {"reveal", PageCommand::Reveal},
    {"zoomIn", PageCommand::ZoomIn},
    {"zoomOut", PageCommand::ZoomOut},
    {"wholePicture", PageCommand::WholePicture},
    {"protractor", PageCommand::Protractor},
    {"ruler", PageCommand::Ruler},
};
static_assert(std::size(kCommands) == static_cast<std::size_t>(PageCommand::Ruler) + 1);

// The keys a focused bar takes, as the window's scroll bars take them.
constexpr std::pair<std::string_view, BarKey> kBarKeys[] = {
    {"ArrowRight", BarKey::SmallUp},  {"ArrowUp", BarKey::SmallUp},
    {"ArrowLeft", BarKey::SmallDown}, {"ArrowDown", BarKey::SmallDown},
    {"PageUp", BarKey::LargeUp},      {"PageDown", BarKey::LargeDown},
    {"Home", BarKey::ToMin},          {"End", BarKey::ToMax},
};

constexpr std::pair<std::string_view, PackedTag> kTags[] = {
    {"Pen", PackedTag::Pen},         {"Line", PackedTag::Line}, {"Arc", PackedTag::Arc},
    {"Dot", PackedTag::Dot},         {"Text", PackedTag::Text}, {"Font", PackedTag::Font},
    {"Backing", PackedTag::Backing},
};
static_assert(std::size(kTags) == static_cast<std::size_t>(PackedTag::Backing) + 1);

// The pointer events of the picture and the pointers' types, as the
// browser names them.
constexpr std::pair<std::string_view, PointerAction> kPointerActions[] = {
    {"pointerdown", PointerAction::Down},
    {"pointermove", PointerAction::Move},
    {"pointerup", PointerAction::Up},
    {"pointercancel", PointerAction::Cancel},
};
constexpr std::pair<std::string_view, PointerKind> kPointerKinds[] = {
    {"mouse", PointerKind::Mouse},
    {"touch", PointerKind::Touch},
    {"pen", PointerKind::Pen},
};

// {"name":number,...} of a table.
template <typename T, std::size_t N>
std::string NumberedJson(const std::pair<std::string_view, T> (&table)[N]) {
    std::string out = "{";
    for (const auto& [name, value] : table) {
        out += (out.size() > 1 ? "," : "") + JsonQuoted(name) + ":" +
               std::to_string(static_cast<int>(value));
    }
    return out + "}";
}

// A table of numbers as a JSON array.
template <std::size_t N>
std::string NumbersJson(const int (&numbers)[N]) {
    std::string out = "[";
    for (const int number : numbers)
        out += (out.size() > 1 ? "," : "") + std::to_string(number);
    return out + "]";
}

}  // namespace

std::string JsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

std::string Quoted(std::string_view text) {
    return JsonQuoted(text);
}

// The languages the chooser offers, each by its own name: the original first.
std::string LanguagesJson() {
    std::vector<std::string_view> codes = {kOriginalLanguage};
    codes.insert(codes.end(), ShippedLanguages().begin(), ShippedLanguages().end());
    std::string out;
    for (const std::string_view code : codes) {
        out += std::string(out.empty() ? "[" : ",") + "{\"code\":" + Quoted(code) +
               ",\"name\":" + Quoted(LanguageName(code)) + "}";
    }
    return out + "]";
}

constexpr std::pair<StripPlace, std::string_view> kStripPlaces[] = {
    {StripPlace::Always, "always"},
    {StripPlace::Room, "room"},
    {StripPlace::Mystery, "mystery"},
};

std::string_view StripPlaceName(StripPlace place) {
    for (const auto& [value, name] : kStripPlaces) {
        if (value == place) {
            return name;
        }
    }
    return "always";
}

// One element of the page: its id, its kind (bar, label, option, switch or
// button), the text written on it, for the switches and the page's own
// buttons what it does, and its place in a short strip.
std::string ElementJson(std::string_view id, std::string_view kind, std::string_view text,
                        std::string_view action = {}, StripPlace strip = StripPlace::Always) {
    return "{\"id\":" + Quoted(id) + ",\"kind\":" + Quoted(kind) + ",\"text\":" + Quoted(text) +
           ",\"action\":" + Quoted(action) + ",\"strip\":" + Quoted(StripPlaceName(strip)) + "}";
}

std::string ElementJson(const PageControl& own) {
    return ElementJson(own.id, own.kind, Translated(own.text).caption, own.command, own.strip);
}

std::string_view KindOf(Control control) {
    switch (control) {
        case Control::AngleBar:
        case Control::TimeBar:
        case Control::WavesBar:
        case Control::IndexBar:
            return "bar";
        case Control::ContinuousOption:
        case Control::WaveletsOption:
            return "option";
        case Control::StartButton:
        case Control::StopButton:
            return "button";
        case Control::AngleLabel:
        case Control::TimeLabel:
        case Control::WavesLabel:
        case Control::IndexLabel:
            break;
    }
    return "label";
}

// The page's elements in the order of the screen, which is the Tab order:
// the panel's controls in the order they are placed, the view switches after
// "WAVELETS", the classroom rows after the index bar and its caption and the
// picture's actions after "STOP TIMER". Where the page lays the panel out for
// fingers, this is also the order of the strip.
std::string ElementsJson() {
    std::vector<std::string> elements;
    for (const Control control : kControls) {
        // The panel's options and buttons are clicked as the panel's.
        const std::string_view kind = KindOf(control);
        const bool clicked = kind == "option" || kind == "button";
        elements.push_back(ElementJson(ControlName(control), kind, TextOf(control).caption,
                                       clicked ? "click" : ""));
        if (control == Control::WaveletsOption) {
            elements.push_back(
                ElementJson(kExactSwitchId, "switch", ExactSwitchText().caption, "view"));
            elements.push_back(ElementJson(kReflectionSwitchId, "switch",
                                           ReflectionSwitchText().caption, "reflection"));
        } else if (control == Control::IndexLabel) {
            for (const auto& controls : {ClassroomControls(), ViewControls(), LessonControls()}) {
                for (const PageControl& own : controls) {
                    elements.push_back(ElementJson(own));
                }
            }
        } else if (control == Control::StopButton) {
            for (const PageControl& own : PictureButtons()) {
                elements.push_back(ElementJson(own));
            }
        }
    }
    std::string out;
    for (const std::string& element : elements) {
        out += (out.empty() ? "" : ",") + element;
    }
    return out;
}

}  // namespace

std::optional<PageCommand> PageCommandNamed(std::string_view name) {
    for (const auto& [word, command] : kCommands) {
        if (word == name) {
            return command;
        }
    }
    return std::nullopt;
}

std::optional<BarKey> BarKeyNamed(std::string_view key) {
    for (const auto& [name, barKey] : kBarKeys) {
        if (name == key) {
            return barKey;
        }
    }
    return std::nullopt;
}

namespace {

// The texts the page's script writes itself, by name, in the chosen
// language; "frameOf" has %1 for the frames saved and %2 for all.
std::string ScriptTextsJson() {
    static constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
        {"language", TrMark("Language")},
        {"menu", kMenuAction},
        {"information", kInformationName},
        {"saving", TrMark("Saving the animation")},
        {"framesSaved", TrMark("Frames saved")},
        {"frameOf", TrMark("Frame %1 of %2")},
        {"cancel", TrMark("CANCEL")},
        {"notes", TrMark("Notes for the teacher")},
        {"close", TrMark("CLOSE")},
    };
    std::string out;
    for (const auto& [name, text] : kTexts) {
        out += (out.empty() ? "{" : ",") + Quoted(name) + ":" + Quoted(Tr(text));
    }
    return out + "}";
}

}  // namespace

std::string PageFactsJson(std::string_view decimalPoint) {
    std::string commands;
    for (const auto& [name, command] : kCommands) {
        commands += (commands.empty() ? "" : ",") + Quoted(name);
    }
    std::string keys;
    for (const auto& [name, key] : kBarKeys) {
        keys += (keys.empty() ? "" : ",") + Quoted(name);
    }
    return "{\"title\":" + Quoted(Tr(kWindowTitle)) + ",\"picture\":" + Quoted(kPictureId) +
           ",\"elements\":[" + ElementsJson() + "],\"commands\":[" + commands + "],\"barKeys\":[" +
           keys + "],\"tags\":" + NumberedJson(kTags) +
           ",\"recordFields\":" + NumbersJson(kPackedFields) +
           ",\"leastFontPoints\":" + FormatFixed(kLeastPanelFontPoints, 2, ".") +
           ",\"pointerActions\":" + NumberedJson(kPointerActions) +
           ",\"pointerKinds\":" + NumberedJson(kPointerKinds) +
           ",\"linkCopied\":" + Quoted(Tr(kLinkCopiedText)) + ",\"texts\":" + ScriptTextsJson() +
           ",\"guessCommand\":" + Quoted(kGuessCommand) +
           ",\"menu\":" + PageMenuJson(decimalPoint) + ",\"announcer\":" + Quoted(kAnnouncerId) +
           ",\"language\":" + Quoted(CurrentLanguage()) + ",\"languages\":" + LanguagesJson() +
           ",\"fonts\":[" + Quoted(CssFamilies(PackedFace::Print)) + "," +
           Quoted(CssFamilies(PackedFace::Label)) + "]}";
}

}  // namespace orvath::web
