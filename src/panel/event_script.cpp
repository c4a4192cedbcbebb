// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/event_script.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "model/message_text.h"

namespace orvath {
namespace {

struct EventWord {
    std::string_view word;
    EventKind kind;
    bool takesValue;
    int min;
    int max;
};

constexpr std::array<EventWord, 9> kEvents = {{
    {"angle", EventKind::Angle, true, 0, 89},
    {"index", EventKind::Index, true, 50, 300},
    {"waves", EventKind::Waves, true, 5, 39},
    {"time", EventKind::Time, true, 0, 5000},
    {"continuous", EventKind::Continuous, false, 0, 0},
    {"wavelets", EventKind::Wavelets, false, 0, 0},
    {"timer", EventKind::Timer, false, 0, 0},
    {"stop", EventKind::Stop, false, 0, 0},
    {"tick", EventKind::Tick, true, 1, 100000},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

// An optional sign and decimal digits; nullopt if the word is not a whole
// number. Values too large for an int are clamped, which keeps them out of
// every range.
std::optional<long long> ParseWholeNumber(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    if (word.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (value < 1'000'000'000'000LL) {
            value = value * 10 + (c - '0');
        }
    }
    return negative ? -value : value;
}

ScriptLine Error(std::string message) {
    ScriptLine result;
    result.status = ScriptLine::Status::Error;
    result.error = std::move(message);
    return result;
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
    const auto words = SplitWords(line);
    if (words.empty() || words.front().front() == '#') {
        return {};
    }
    const EventWord* event = nullptr;
    for (const auto& candidate : kEvents) {
        if (candidate.word == words.front()) {
            event = &candidate;
        }
    }
    if (event == nullptr) {
        return Error("unknown event " + QuotedWord(words.front()));
    }
    const bool optionalValue = event->kind == EventKind::Tick;
    const std::size_t maxWords = event->takesValue ? 2 : 1;
    if (words.size() > maxWords) {
        return Error("unexpected " + QuotedWord(words[maxWords]) + " after '" +
                     std::string(event->word) + "'");
    }
    ScriptLine result;
    result.status = ScriptLine::Status::Event;
    result.event.kind = event->kind;
    result.event.words = std::string(words.front());
    if (!event->takesValue) {
        return result;
    }
    if (words.size() < 2) {
        if (!optionalValue) {
            return Error("'" + std::string(event->word) + "' needs a value from " +
                         std::to_string(event->min) + " to " + std::to_string(event->max));
        }
        result.event.value = 1;
        return result;
    }
    const auto value = ParseWholeNumber(words[1]);
    if (!value) {
        return Error(QuotedWord(words[1]) + " is not a whole number");
    }
    if (*value < event->min || *value > event->max) {
        return Error("'" + std::string(event->word) + "' value " + QuotedWord(words[1]) +
                     " is outside " + std::to_string(event->min) + " to " +
                     std::to_string(event->max));
    }
    result.event.value = static_cast<int>(*value);
    result.event.words += " " + std::string(words[1]);
    return result;
}

}  // namespace orvath
