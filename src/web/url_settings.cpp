// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/url_settings.h"

#include "text/languages.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <span>

#include "model/bar_settings.h"
#include "model/media.h"
#include "model/message_text.h"
#include "model/mystery.h"
#include "model/setting_words.h"
#include "model/world_frame.h"

namespace orvath::web {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// %XX escapes decoded; a '%' that starts no escape stays as it is.
std::string PercentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// "'a', 'b' or 'c'".
std::string Alternatives(std::span<const std::string> words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + ("'" + words[i] + "'");
    }
    return text;
}

// The value's setting when it is one of the words, else a problem line; the
// first word is the start value.
template <typename T>
std::optional<T> Choice(std::string_view key, std::string_view value,
                        std::span<const std::pair<std::string_view, T>> words,
                        std::vector<std::string>& problems) {
    std::vector<std::string> names;
    for (const auto& [word, meaning] : words) {
        if (value == word) {
            return meaning;
        }
        names.emplace_back(word);
    }
    problems.push_back(std::string(key) + "=" + QuotedWord(value) + " is not " +
                       Alternatives(names) + ": the start value " + names.front() + " is used");
    return std::nullopt;
}

template <typename T, std::size_t N>
std::optional<T> Choice(std::string_view key, std::string_view value,
                        const std::pair<std::string_view, T> (&words)[N],
                        std::vector<std::string>& problems) {
    return Choice(key, value, std::span<const std::pair<std::string_view, T>>(words), problems);
}

// The index bar's value for a pair of media the bar can take.
std::optional<int> MediumIndex(std::string_view value, std::vector<std::string>& problems) {
    const BarSetting& index = SettingOf(Bar::Index);
    const std::string fallBack =
        ": the index's start value " + std::to_string(index.start) + " is used";
    const auto pair = MediaPairNamed(value);
    if (pair && FitsIndexBar(*pair)) {
        return pair->indexTimes100;
    }
    if (pair) {
        problems.push_back("medium=" + pair->Word() + ": its index " +
                           std::to_string(pair->indexTimes100) + " is outside the index bar's " +
                           std::to_string(index.min) + " to " + std::to_string(index.max) +
                           fallBack);
        return std::nullopt;
    }
    const std::vector<MediaPair> presets = MediaPresets();
    problems.push_back("medium=" + QuotedWord(value) + " is not one of the " +
                       std::to_string(presets.size()) + " pairs of media, such as '" +
                       presets.front().Word() + "'" + fallBack);
    return std::nullopt;
}

std::optional<int> BarValue(Bar bar, std::string_view value, std::vector<std::string>& problems) {
    const BarSetting& s = SettingOf(bar);
    const std::optional<int> number = ParseWholeNumber(value);
    if (number && *number >= s.min && *number <= s.max) {
        return number;
    }
    problems.push_back(std::string(s.word) + "=" + QuotedWord(value) +
                       " is not a whole number from " + std::to_string(s.min) + " to " +
                       std::to_string(s.max) + ": the start value " + std::to_string(s.start) +
                       " is used");
    return std::nullopt;
}

std::optional<int> MysterySeed(std::string_view value, std::vector<std::string>& problems) {
    const std::optional<int> seed = ParseWholeNumber(value);
    if (seed && *seed >= kMysterySeedMin && *seed <= kMysterySeedMax) {
        return seed;
    }
    problems.push_back("mystery=" + QuotedWord(value) + " is not a whole number from " +
                       std::to_string(kMysterySeedMin) + " to " + std::to_string(kMysterySeedMax) +
                       ": no mystery medium is started");
    return std::nullopt;
}

// A centre that is not a number: the frame's middle (see Limited).
constexpr double kNoCentre = std::numeric_limits<double>::quiet_NaN();

std::optional<double> ZoomFactor(std::string_view value, std::vector<std::string>& problems) {
    const auto factor = ParseDecimal(value);
    if (factor && *factor >= kMinZoom && *factor <= kMaxZoom) {
        return factor;
    }
    problems.push_back("zoom=" + QuotedWord(value) + " is not a number from " +
                       std::to_string(static_cast<int>(kMinZoom)) + " to " +
                       std::to_string(static_cast<int>(kMaxZoom)) + ": the whole picture is shown");
    return std::nullopt;
}

// X,Y of a point of the frame, whatever the page's size: Y from the bottom
// to the top, X left of the right edge.
std::optional<std::pair<double, double>> Centre(std::string_view value,
                                                std::vector<std::string>& problems) {
    const std::size_t comma = value.find(',');
    const auto x =
        comma != std::string_view::npos ? ParseDecimal(value.substr(0, comma)) : std::nullopt;
    const auto y =
        comma != std::string_view::npos ? ParseDecimal(value.substr(comma + 1)) : std::nullopt;
    if (x && y && *x <= kWorldRight && std::abs(*y) <= kWorldTop) {
        return std::pair{*x, *y};
    }
    problems.push_back("centre=" + QuotedWord(value) +
                       " is not X,Y in the picture's units, Y from -100 to 100 and X at most 0: "
                       "the middle of the picture is used");
    return std::nullopt;
}

// A number as short as it can be written and read back.
std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

void ReadPiece(std::string_view piece, UrlSettings& out,
               std::optional<std::pair<double, double>>& centre) {
    // The start value first.
    static const std::pair<std::string_view, DisplayMode> kModes[2] = {
        {ModeName(DisplayMode::Wavelets), DisplayMode::Wavelets},
        {ModeName(DisplayMode::Continuous), DisplayMode::Continuous}};
    static const std::pair<std::string_view, View> kViews[2] = {
        {ViewName(View::Classic), View::Classic}, {ViewName(View::Exact), View::Exact}};
    static const std::pair<std::string_view, bool> kSwitch[2] = {{SwitchName(false), false},
                                                                 {SwitchName(true), true}};
    static const std::pair<std::string_view, bool> kKeySwitch[2] = {{SwitchName(true), true},
                                                                    {SwitchName(false), false}};
    const std::size_t equals = piece.find('=');
    const std::string key = PercentDecoded(piece.substr(0, equals));
    const std::string value =
        equals == std::string_view::npos ? std::string() : PercentDecoded(piece.substr(equals + 1));
    PanelSettings& s = out.settings;
    if (key == "speed") {
        std::vector<std::pair<std::string_view, TimerSpeed>> speeds;
        for (const TimerSpeed speed : kTimerSpeeds) {
            speeds.emplace_back(SpeedName(speed), speed);
        }
        out.speed = Choice<TimerSpeed>(key, value, speeds, out.problems);
        return;
    }
    if (key == "lang") {
        out.language = value;
        return;
    }
    if (key == "theme") {
        static const std::pair<std::string_view, Theme> kThemes[2] = {
            {ThemeName(Theme::Classic), Theme::Classic},
            {ThemeName(Theme::Projector), Theme::Projector}};
        out.theme = Choice(key, value, kThemes, out.problems);
        return;
    }
    if (key == "medium") {
        s[Bar::Index] = MediumIndex(value, out.problems);
        return;
    }
    if (key == "mystery") {
        s.mysterySeed = MysterySeed(value, out.problems);
        return;
    }
    if (key == "protractor" || key == "ruler") {
        (key == "ruler" ? out.ruler : out.protractor) = Choice(key, value, kSwitch, out.problems);
        return;
    }
    if (key == "zoom") {
        const auto factor = ZoomFactor(value, out.problems);
        out.zoom = factor ? std::optional<Zoom>(Zoom{*factor, kNoCentre, kNoCentre}) : std::nullopt;
        return;
    }
    if (key == "centre") {
        centre = Centre(value, out.problems);
        return;
    }
    if (key == "mode") {
        s.mode = Choice(key, value, kModes, out.problems);
        return;
    }
    if (key == "view") {
        s.view = Choice(key, value, kViews, out.problems);
        return;
    }
    if (key == "reflection") {
        s.reflection = Choice(key, value, kSwitch, out.problems);
        return;
    }
    if (key == "key") {
        s.key = Choice(key, value, kKeySwitch, out.problems);
        return;
    }
    for (const Bar bar : kBars) {
        if (key == SettingOf(bar).word) {
            s[bar] = BarValue(bar, value, out.problems);
            return;
        }
    }
    out.problems.push_back(QuotedWord(key) + " is not a setting of the page: ignored");
}

}  // namespace

UrlSettings ParseUrlSettings(std::string_view fragment) {
    UrlSettings out;
    if (!fragment.empty() && (fragment.front() == '#' || fragment.front() == '?')) {
        fragment.remove_prefix(1);
    }
    if (fragment.size() > kMaxLinkSettings) {
        out.problems.push_back("the link's settings are " + std::to_string(fragment.size()) +
                               " characters long, more than " + std::to_string(kMaxLinkSettings) +
                               ": the start values are used");
        return out;
    }
    std::optional<std::pair<double, double>> centre;
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('&');
        const std::string_view piece = fragment.substr(0, end);
        fragment.remove_prefix(end == std::string_view::npos ? fragment.size() : end + 1);
        if (!piece.empty()) {
            ReadPiece(piece, out, centre);
        }
    }
    if (out.zoom && centre) {
        out.zoom->centreX = centre->first;
        out.zoom->centreY = centre->second;
    } else if (centre) {
        out.problems.push_back("centre=" + Decimal(centre->first) + "," + Decimal(centre->second) +
                               " is for a magnified picture (zoom=F): the whole picture is shown");
    }
    return out;
}

std::string SettingsFragment(const PanelSettings& settings) {
    std::vector<std::string> pieces;
    if (settings.mode) {
        pieces.push_back("mode=" + std::string(ModeName(*settings.mode)));
    }
    for (const Bar bar : kBars) {
        // The seed gives the hidden index: the link must not tell it.
        if (const auto& value = settings[bar];
            value && !(bar == Bar::Index && settings.mysterySeed)) {
            pieces.push_back(std::string(SettingOf(bar).word) + "=" + std::to_string(*value));
        }
    }
    if (settings.view) {
        pieces.push_back("view=" + std::string(ViewName(*settings.view)));
    }
    if (settings.reflection) {
        pieces.push_back("reflection=" + std::string(SwitchName(*settings.reflection)));
    }
    if (settings.key) {
        pieces.push_back("key=" + std::string(SwitchName(*settings.key)));
    }
    if (settings.mysterySeed) {
        pieces.push_back("mystery=" + std::to_string(*settings.mysterySeed));
    }
    std::string text;
    for (const std::string& piece : pieces) {
        text += (text.empty() ? "" : "&") + piece;
    }
    return text;
}

std::string SettingsFragment(const PanelSettings& settings, TimerSpeed speed, Theme theme) {
    return SettingsFragment(settings) + "&speed=" + std::string(SpeedName(speed)) +
           "&theme=" + std::string(ThemeName(theme));
}

std::string ViewFragment(bool protractor, bool ruler, const Zoom& zoom) {
    std::string text = "&protractor=" + std::string(SwitchName(protractor)) +
                       "&ruler=" + std::string(SwitchName(ruler));
    if (!zoom.Whole()) {
        text += "&zoom=" + Decimal(zoom.factor) + "&centre=" + Decimal(zoom.centreX) + "," +
                Decimal(zoom.centreY);
    }
    return text;
}

std::optional<std::string> ChooseLanguage(std::string_view fragment,
                                          std::string_view browserLanguages) {
    const UrlSettings url = ParseUrlSettings(fragment);
    if (url.language) {
        if (const auto code = MatchLanguage(*url.language)) {
            SetLanguage(*code);
            return std::nullopt;
        }
        SetLanguage(kOriginalLanguage);
        return "lang: " + UnknownLanguageError(QuotedWord(*url.language)) +
               ": the original texts are used";
    }
    while (!browserLanguages.empty()) {
        const std::size_t comma = browserLanguages.find(',');
        const std::string_view wanted = browserLanguages.substr(0, comma);
        browserLanguages.remove_prefix(comma == std::string_view::npos ? browserLanguages.size()
                                                                       : comma + 1);
        // The pseudo-language only when a link asks for it.
        if (const auto code = MatchLanguage(wanted); code && *code != kLongPseudoLanguage) {
            SetLanguage(*code);
            return std::nullopt;
        }
    }
    SetLanguage(kOriginalLanguage);
    return std::nullopt;
}

}  // namespace orvath::web
