// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_actions.h"

#include <cmath>
#include <optional>

#include "model/action_texts.h"
#include "model/media.h"
#include "model/timer_speed.h"
#include "text/translate.h"
#include "web/page.h"
#include "web/page_facts.h"

namespace orvath::web {
namespace {

std::vector<PageMenuItem> MakeMenu() {
    std::vector<PageMenuItem> menu = {
        {"view", std::string(kExactViewAction), "E", {"e"}, "view"},
        {"reflection", std::string(kReflectionAction), "R", {"r"}, "reflection"},
        {"key", std::string(kKeyAction), "K", {"k"}, "key"},
        {"slower", std::string(kSlowerAction), "-", {"-"}, ""},
        {"faster", std::string(kFasterAction), "+", {"+"}, ""},
    };
    int digit = 1;
    for (const TimerSpeed speed : kTimerSpeeds) {
        const std::string key = "Ctrl+" + std::to_string(digit++);
        menu.push_back({std::string(kSpeedCommand) + std::string(SpeedName(speed)),
                        std::string(SpeedName(speed)),
                        key,
                        {key},
                        "speed"});
    }
    menu.insert(
        menu.end(),
        {
            {"stepForward", std::string(kStepForwardAction), ".", {"."}, ""},
            {"stepBack", std::string(kStepBackAction), ",", {","}, ""},
            {"periodForward", std::string(kPeriodForwardAction), "Shift+.", {"Shift+."}, ""},
            {"periodBack", std::string(kPeriodBackAction), "Shift+,", {"Shift+,"}, ""},
        });
    digit = 1;
    for (const MediaPair& pair : MediaPresets()) {
        const std::string key = std::to_string(digit++);
        menu.push_back({std::string(kMediumCommand) + pair.Word(),
                        MediaPairText(pair, "."),
                        key,
                        {key},
                        "medium"});
    }
    menu.insert(
        menu.end(),
        {
            {"zoomIn", std::string(Tr(kZoomInAction)), "Ctrl++", {"Ctrl++", "Ctrl+="}, ""},
            {"zoomOut", std::string(Tr(kZoomOutAction)), "Ctrl+-", {"Ctrl+-"}, ""},
            {"wholePicture", std::string(Tr(kWholePictureAction)), "Ctrl+0", {"Ctrl+0"}, ""},
            {"protractor", std::string(Tr(kProtractorAction)), "P", {"p"}, "protractor"},
            {"ruler", std::string(Tr(kRulerAction)), "L", {"l"}, "ruler"},
            {"theme", std::string(kProjectorAction), "T", {"t"}, "theme"},
            {"timer", std::string(kTimerAction), "Space", {" "}, ""},
            {"reset", std::string(kResetAction), "Ctrl+R", {"Ctrl+r"}, ""},
            {"savePng", std::string(TrMark("Save picture (PNG)")), "Ctrl+S", {"Ctrl+s"}, ""},
            {"saveSvg", std::string(TrMark("Save picture (SVG)")), "", {}, ""},
            {"copyPicture", std::string(kCopyPictureAction), "Ctrl+C", {"Ctrl+c"}, ""},
            {"saveGif",
             std::string(TrMark("Save animation (GIF)")),
             "Ctrl+Shift+S",
             {"Ctrl+Shift+s"},
             ""},
            {"copyLink", std::string(TrMark("Copy link")), "", {}, ""},
            {"mystery", std::string(kMysteryAction), "M", {"m"}, "mystery"},
            {"focusGuess", std::string(kGuessAction), "G", {"g"}, ""},
            {"reveal", std::string(kRevealAction), "Shift+M", {"Shift+m"}, ""},
            {"notes", std::string(kNotesAction), "N", {"n"}, ""},
            {"information", std::string(kInformationAction), "F1", {"F1"}, "information"},
            {"menu", std::string(kMenuAction), "Shift+F10, Menu", {"Shift+F10", "ContextMenu"}, ""},
        });
    return menu;
}

}  // namespace

const std::vector<PageMenuItem>& PageMenu() {
    static const std::vector<PageMenuItem> kMenu = MakeMenu();
    return kMenu;
}

bool RunPageCommand(Page& page, std::string_view command) {
    Panel& panel = page.Model();
    if (command.starts_with(kSpeedCommand)) {
        const auto speed = SpeedNamed(command.substr(kSpeedCommand.size()));
        if (speed) {
            page.SetSpeed(*speed);
        }
        return speed.has_value();
    }
    if (command.starts_with(kMediumCommand)) {
        const auto pair = MediaPairNamed(command.substr(kMediumCommand.size()));
        if (!pair || !FitsIndexBar(*pair)) {
            return false;
        }
        // Moved as a user moves the bar, so that its Change runs.
        panel.MoveBar(Bar::Index, pair->indexTimes100);
        return true;
    }
    if (command.starts_with(kGuessCommand)) {
        panel.Guess(command.substr(kGuessCommand.size()));
        return true;
    }
    const auto named = PageCommandNamed(command);
    if (!named) {
        return false;
    }
    switch (*named) {
        case PageCommand::View:
            page.ToggleView();
            break;
        case PageCommand::Reflection:
            page.ToggleReflection();
            break;
        case PageCommand::Information:
            page.ToggleInformation();
            break;
        case PageCommand::Timer:
            panel.StartOrStopTimer();
            break;
        case PageCommand::Reset:
            panel.ResetToStart();
            break;
        case PageCommand::Key:
            page.ToggleKey();
            break;
        case PageCommand::Theme:
            page.SetTheme(page.CurrentTheme() == Theme::Projector ? Theme::Classic
                                                                  : Theme::Projector);
            break;
        case PageCommand::Slower:
            page.SetSpeed(Slower(panel.Speed()));
            break;
        case PageCommand::Faster:
            page.SetSpeed(Faster(panel.Speed()));
            break;
        case PageCommand::StepForward:
            panel.StepTime(1);
            break;
        case PageCommand::StepBack:
            panel.StepTime(-1);
            break;
        case PageCommand::PeriodForward:
            panel.StepPeriods(1);
            break;
        case PageCommand::PeriodBack:
            panel.StepPeriods(-1);
            break;
        case PageCommand::Mystery:
            page.ToggleMystery();
            break;
        case PageCommand::Reveal:
            panel.RevealMystery();
            break;
        case PageCommand::ZoomIn:
            page.Hands().ZoomIn();
            break;
        case PageCommand::ZoomOut:
            page.Hands().ZoomOut();
            break;
        case PageCommand::WholePicture:
            page.Hands().WholePicture();
            break;
        case PageCommand::Protractor:
            page.ToggleProtractor();
            break;
        case PageCommand::Ruler:
            page.ToggleRuler();
            break;
    }
    return true;
}

std::vector<std::string> CheckedCommands(const Page& page) {
    const Panel& panel = page.Model();
    std::vector<std::string> checked;
    const auto check = [&](bool on, std::string command) {
        if (on) {
            checked.push_back(std::move(command));
        }
    };
    check(panel.CurrentView() == View::Exact, "view");
    check(panel.Reflection(), "reflection");
    check(panel.Key(), "key");
    check(page.CurrentTheme() == Theme::Projector, "theme");
    check(page.InformationShown(), "information");
    check(panel.IndexHidden(), "mystery");
    check(page.Hands().ShownProtractor().has_value(), "protractor");
    check(page.Hands().ShownRuler().has_value(), "ruler");
    checked.push_back(std::string(kSpeedCommand) + std::string(SpeedName(panel.Speed())));
    if (const auto pair = MediaPresetAt(panel.Bars().index); pair && !panel.IndexHidden()) {
        checked.push_back(std::string(kMediumCommand) + pair->Word());
    }
    return checked;
}

std::string PageMenuJson(std::string_view decimalPoint) {
    std::string out;
    for (const PageMenuItem& item : PageMenu()) {
        // A pair of media is named with its index, in the reader's numbers.
        const std::optional<MediaPair> pair =
            item.group == "medium"
                ? MediaPairNamed(std::string_view(item.command).substr(kMediumCommand.size()))
                : std::nullopt;
        const std::string text =
            pair ? MediaPairText(*pair, decimalPoint) : std::string(Tr(item.text));
        std::string bindings;
        for (const std::string& binding : item.bindings) {
            bindings += (bindings.empty() ? "" : ",") + JsonQuoted(binding);
        }
        out += (out.empty() ? "" : ",") + std::string("{\"command\":") + JsonQuoted(item.command) +
               ",\"text\":" + JsonQuoted(text) + ",\"keys\":" + JsonQuoted(item.keys) +
               ",\"bindings\":[" + bindings + "],\"group\":" + JsonQuoted(item.group) + "}";
    }
    return "[" + out + "]";
}

}  // namespace orvath::web
