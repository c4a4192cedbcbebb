// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/event_script.h"

#include <optional>
#include <vector>

#include "model/bar_settings.h"
#include "model/message_text.h"
#include "model/mystery.h"
#include "model/setting_words.h"

namespace orvath {
namespace {

// A word that an event takes instead of a number, and the value it stands for.
struct Choice {
    std::string_view word;
    int value = 0;
};

// One event word: what it does and, for words that take a number, its range,
// or the words it takes instead.
struct EventWord {
    std::string_view word;
    ScriptEvent event;
    bool takesValue = false;
    int min = 0;
    int max = 0;
    std::vector<Choice> choices;
};

ScriptEvent EventOf(ScriptEvent::Kind kind) {
    ScriptEvent event;
    event.kind = kind;
    return event;
}

std::vector<EventWord> MakeEventWords() {
    std::vector<EventWord> words;
    for (const Bar bar : kBars) {
        const BarSetting& setting = SettingOf(bar);
        ScriptEvent move = EventOf(ScriptEvent::Kind::MoveBar);
        move.bar = bar;
        words.push_back({setting.word, move, true, setting.min, setting.max, {}});
    }
    const std::pair<std::string_view, Button> clicks[] = {{"continuous", Button::Continuous},
                                                          {"wavelets", Button::Wavelets},
                                                          {"timer", Button::Start},
                                                          {"stop", Button::Stop}};
    for (const auto& [word, button] : clicks) {
        ScriptEvent click = EventOf(ScriptEvent::Kind::Click);
        click.button = button;
        words.push_back({word, click, false, 0, 0, {}});
    }
    words.push_back({"tick", EventOf(ScriptEvent::Kind::Tick), true, 1, kMaxTicksPerLine, {}});
    words.push_back(
        {"view",
         EventOf(ScriptEvent::Kind::View),
         true,
         0,
         0,
         {{"exact", static_cast<int>(View::Exact)}, {"classic", static_cast<int>(View::Classic)}}});
    words.push_back({"reflection",
                     EventOf(ScriptEvent::Kind::Reflection),
                     true,
                     0,
                     0,
                     {{"on", 1}, {"off", 0}}});
    words.push_back({"mystery",
                     EventOf(ScriptEvent::Kind::Mystery),
                     true,
                     kMysterySeedMin,
                     kMysterySeedMax,
                     {}});
    words.push_back({"guess", EventOf(ScriptEvent::Kind::Guess), false, 0, 0, {}});
    words.push_back({"reveal", EventOf(ScriptEvent::Kind::Reveal), false, 0, 0, {}});
    return words;
}

const std::vector<EventWord>& EventWords() {
    static const std::vector<EventWord> kWords = MakeEventWords();
    return kWords;
}

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

ScriptLine Error(std::string message) {
    ScriptLine result;
    result.status = ScriptLine::Status::Error;
    result.error = std::move(message);
    return result;
}

std::string Range(const EventWord& event) {
    return std::to_string(event.min) + " to " + std::to_string(event.max);
}

// "'exact' or 'classic'".
std::string ChoiceList(const EventWord& event) {
    std::string list;
    for (const Choice& choice : event.choices) {
        list += (list.empty() ? "'" : " or '") + std::string(choice.word) + "'";
    }
    return list;
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
    const auto words = SplitWords(line);
    if (words.empty() || words.front().front() == '#') {
        return {};
    }
    const EventWord* event = nullptr;
    for (const auto& candidate : EventWords()) {
        if (candidate.word == words.front()) {
            event = &candidate;
        }
    }
    if (event == nullptr) {
        return Error("unknown event " + QuotedWord(words.front()));
    }
    const std::string name = "'" + std::string(event->word) + "'";
    // An answer is whatever follows, even nothing.
    if (event->event.kind == ScriptEvent::Kind::Guess) {
        ScriptLine result;
        result.status = ScriptLine::Status::Event;
        result.event = event->event;
        result.event.words = std::string(words.front());
        for (std::size_t i = 1; i < words.size(); ++i) {
            result.event.typed += (i > 1 ? " " : "") + std::string(words[i]);
        }
        if (!result.event.typed.empty()) {
            result.event.words += " " + result.event.typed;
        }
        return result;
    }
    const std::size_t maxWords = event->takesValue ? 2 : 1;
    if (words.size() > maxWords) {
        return Error("unexpected " + QuotedWord(words[maxWords]) + " after " + name);
    }
    ScriptLine result;
    result.status = ScriptLine::Status::Event;
    result.event = event->event;
    result.event.words = std::string(words.front());
    if (!event->takesValue) {
        return result;
    }
    if (!event->choices.empty()) {
        for (const Choice& choice : event->choices) {
            if (words.size() == 2 && words[1] == choice.word) {
                result.event.value = choice.value;
                result.event.words += " " + std::string(words[1]);
                return result;
            }
        }
        return Error(name + " needs " + ChoiceList(*event));
    }
    if (words.size() < 2) {
        // A tick's count is optional.
        if (event->event.kind != ScriptEvent::Kind::Tick) {
            return Error(name + " needs a value from " + Range(*event));
        }
        result.event.value = 1;
        return result;
    }
    if (!IsWholeNumber(words[1])) {
        return Error(QuotedWord(words[1]) + " is not a whole number");
    }
    // A whole number beyond an int is outside every range.
    const auto value = ParseWholeNumber(words[1]);
    if (!value || *value < event->min || *value > event->max) {
        return Error(name + " value " + QuotedWord(words[1]) + " is outside " + Range(*event));
    }
    result.event.value = *value;
    result.event.words += " " + std::string(words[1]);
    return result;
}

}  // namespace orvath
