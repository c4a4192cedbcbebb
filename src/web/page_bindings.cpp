// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: plain C functions over the one Page, exported
// as Module._orvath_*, and the document the Page changes, in JavaScript
// (window.orvathDocument, page.js). Elements are named by their ids.
#include <emscripten/emscripten.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/bar_settings.h"
#include "web/page.h"
#include "web/page_actions.h"
#include "web/page_animation.h"
#include "web/page_facts.h"
#include "web/url_settings.h"

namespace {

using orvath::Bar;
using orvath::Button;
using orvath::Control;
using orvath::PixelRect;

// clang-format off
EM_JS(void, JsPlace, (const char* id, int length, int left, int top, int width, int height), {
    orvathDocument.place(UTF8ToString(id, length), left, top, width, height);
});
EM_JS(void, JsFont, (const char* id, int length, double points), {
    orvathDocument.font(UTF8ToString(id, length), points);
});
EM_JS(void, JsText, (const char* id, int length, const char* text, int textLength), {
    orvathDocument.text(UTF8ToString(id, length), UTF8ToString(text, textLength));
});
EM_JS(void, JsValue, (const char* id, int length, int value), {
    orvathDocument.value(UTF8ToString(id, length), value);
});
EM_JS(void, JsRange, (const char* id, int length, int min, int max), {
    orvathDocument.range(UTF8ToString(id, length), min, max);
});
EM_JS(void, JsChecked, (const char* id, int length, int checked), {
    orvathDocument.checked(UTF8ToString(id, length), checked !== 0);
});
EM_JS(void, JsEnabled, (const char* id, int length, int enabled), {
    orvathDocument.enabled(UTF8ToString(id, length), enabled !== 0);
});
EM_JS(void, JsDescribe, (const char* id, int length, const char* name, const char* tip,
                         const char* description), {
    orvathDocument.describe(UTF8ToString(id, length), UTF8ToString(name), UTF8ToString(tip),
                            UTF8ToString(description));
});
EM_JS(void, JsDescription, (const char* id, int length, const char* text), {
    orvathDocument.description(UTF8ToString(id, length), UTF8ToString(text));
});
EM_JS(void, JsInformation, (const char* lines), {
    orvathDocument.information(UTF8ToString(lines));
});
EM_JS(void, JsValueText, (const char* id, int length, const char* text, int textLength), {
    orvathDocument.valueText(UTF8ToString(id, length), UTF8ToString(text, textLength));
});
EM_JS(void, JsChoice, (const char* id, int length, const char* text, int textLength), {
    orvathDocument.choice(UTF8ToString(id, length), UTF8ToString(text, textLength));
});
EM_JS(void, JsThemeScale, (double scale), {
    orvathDocument.themeScale(scale);
});
EM_JS(void, JsAnnounce, (const char* text, int length), {
    orvathDocument.announce(UTF8ToString(text, length));
});
EM_JS(void, JsWarn, (const char* text), {
    console.warn(UTF8ToString(text));
});
// clang-format on

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

class JsDocument : public orvath::web::PageDocument {
  public:
    void Place(std::string_view id, const PixelRect& r) override {
        JsPlace(id.data(), Length(id), r.left, r.top, r.width, r.height);
    }
    void SetFontPoints(std::string_view id, double points) override {
        JsFont(id.data(), Length(id), points);
    }
    void SetText(std::string_view id, std::string_view text) override {
        JsText(id.data(), Length(id), text.data(), Length(text));
    }
    void SetValue(std::string_view id, int value) override {
        JsValue(id.data(), Length(id), value);
    }
    void SetRange(std::string_view id, int min, int max) override {
        JsRange(id.data(), Length(id), min, max);
    }
    void SetChecked(std::string_view id, bool checked) override {
        JsChecked(id.data(), Length(id), checked ? 1 : 0);
    }
    void SetEnabled(std::string_view id, bool enabled) override {
        JsEnabled(id.data(), Length(id), enabled ? 1 : 0);
    }
    void Describe(std::string_view id, const orvath::ControlText& text) override {
        JsDescribe(id.data(), Length(id), std::string(text.name).c_str(),
                   std::string(text.toolTip).c_str(), std::string(text.description).c_str());
    }
    void SetDescription(std::string_view id, std::string_view text) override {
        JsDescription(id.data(), Length(id), std::string(text).c_str());
    }
    void ShowInformation(const std::vector<std::string>& lines) override {
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        JsInformation(text.c_str());
    }
    void SetValueText(std::string_view id, std::string_view text) override {
        JsValueText(id.data(), Length(id), text.data(), Length(text));
    }
    void SetChoice(std::string_view id, std::string_view command) override {
        JsChoice(id.data(), Length(id), command.data(), Length(command));
    }
    void SetThemeScale(double scale) override { JsThemeScale(scale); }
    void Announce(std::string_view text) override { JsAnnounce(text.data(), Length(text)); }
};

struct Site {
    JsDocument document;
    // The steady clock counts from the navigation, as performance.now() does.
    orvath::web::Page page{
        document, [] { return emscripten_get_now(); },
        orvath::AnimationStats::Clock::now() -
            std::chrono::duration_cast<orvath::AnimationStats::Clock::duration>(
                std::chrono::duration<double, std::milli>(emscripten_get_now()))};
    std::string text;  // the last text handed to the script
    const orvath::web::PackedPicture* packed = nullptr;
    std::vector<float> handles;                             // the last handles handed to the script
    std::unique_ptr<orvath::web::PageAnimation> animation;  // while one is saved
};

Site& TheSite() {
    static Site site;
    return site;
}

// Ends the animation being saved with its error on the console.
int AnimationFailed(const std::string& error) {
    JsWarn(("orvath: the animation was not saved: " + error).c_str());
    TheSite().animation.reset();
    return 0;
}

orvath::web::Page& ThePage() {
    return TheSite().page;
}

std::optional<Control> ControlById(std::string_view id) {
    for (const Control control : orvath::kControls) {
        if (orvath::ControlName(control) == id) {
            return control;
        }
    }
    return std::nullopt;
}

std::optional<Bar> BarById(std::string_view id) {
    for (const Bar bar : orvath::kBars) {
        if (ControlById(id) == orvath::BarControl(bar)) {
            return bar;
        }
    }
    return std::nullopt;
}

const char* Handed(std::string text) {
    TheSite().text = std::move(text);
    return TheSite().text.c_str();
}

}  // namespace

extern "C" {

// The widest a page element of its own must be to show its text.
EMSCRIPTEN_KEEPALIVE void orvath_natural_width(const char* id, int pixels) {
    ThePage().SetNaturalWidth(id, pixels);
}

// Before the facts: the language of every text from the address's fragment
// or the browser's languages (comma-separated).
EMSCRIPTEN_KEEPALIVE void orvath_choose_language(const char* fragment, const char* browser) {
    if (const auto problem = orvath::web::ChooseLanguage(fragment, browser)) {
        JsWarn(("orvath: " + *problem).c_str());
    }
}

EMSCRIPTEN_KEEPALIVE void orvath_decimal_point(const char* point) {
    ThePage().SetDecimalPoint(point);
}

// Start-up on a drawing area of width x height CSS pixels with the settings
// of the address's fragment; what it could not take goes to the console.
EMSCRIPTEN_KEEPALIVE void orvath_start(int width, int height, const char* fragment) {
    for (const std::string& problem : ThePage().Start(width, height, fragment)) {
        JsWarn(("orvath: " + problem).c_str());
    }
}

EMSCRIPTEN_KEEPALIVE void orvath_resize(int width, int height) {
    ThePage().Resize(width, height);
}

// A bar moved to a value by its element id.
EMSCRIPTEN_KEEPALIVE void orvath_move_bar(const char* id, int value) {
    if (const auto bar = BarById(id)) {
        ThePage().Model().MoveBar(*bar, value);
    }
}

// A key of the browser (KeyboardEvent.key) on a focused bar; returns 1 when
// the bar takes that key, 0 otherwise.
EMSCRIPTEN_KEEPALIVE int orvath_bar_key(const char* id, const char* key) {
    const auto bar = BarById(id);
    const auto barKey = orvath::web::BarKeyNamed(key);
    if (!bar || !barKey) {
        return 0;
    }
    ThePage().PressBarKey(*bar, *barKey);
    return 1;
}

// A click on an option or a timer button by its element id.
EMSCRIPTEN_KEEPALIVE void orvath_click(const char* id) {
    for (const Button button :
         {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
        if (ControlById(id) == orvath::ButtonControl(button)) {
            ThePage().Model().Click(button);
        }
    }
}

// The page's keys, switches, choosers and menu items by name
// (page_actions.h); returns 0 for a name the program does not know.
EMSCRIPTEN_KEEPALIVE int orvath_command(const char* name) {
    return orvath::web::RunPageCommand(ThePage(), name) ? 1 : 0;
}

// The commands whose menu items are checked, a line each.
EMSCRIPTEN_KEEPALIVE const char* orvath_checked() {
    std::string lines;
    for (const std::string& command : orvath::web::CheckedCommands(ThePage())) {
        lines += command + "\n";
    }
    return Handed(lines);
}

// What the script and the program agree on (page_facts.h), as JSON.
EMSCRIPTEN_KEEPALIVE const char* orvath_facts() {
    return Handed(orvath::web::PageFactsJson(ThePage().DecimalPoint()));
}

// A pointer on the picture (page_facts.h names the actions and kinds) at
// CSS pixels of the drawing area; returns the CSS cursor to show.
EMSCRIPTEN_KEEPALIVE const char* orvath_pointer(int action, int pointer, double x, double y,
                                                int kind) {
    const auto shown = ThePage().Pointer(static_cast<orvath::web::PointerAction>(action), pointer,
                                         x, y, static_cast<orvath::PointerKind>(kind));
    return Handed(std::string(shown));
}

// `notches` of the wheel, positive to magnify, about a point of the picture.
EMSCRIPTEN_KEEPALIVE void orvath_wheel(double notches, double x, double y) {
    ThePage().Hands().Wheel(notches, x, y);
}

// The handles to draw over the picture (Page::HandleRecords); returns the
// number of floats at orvath_handle_records().
EMSCRIPTEN_KEEPALIVE int orvath_handles() {
    TheSite().handles = ThePage().HandleRecords();
    return static_cast<int>(TheSite().handles.size());
}

EMSCRIPTEN_KEEPALIVE const float* orvath_handle_records() {
    return TheSite().handles.data();
}

// What the hands show, as JSON, for the measurements and tests: the zoom,
// and the instruments shown in CSS pixels of the picture (null when hidden).
EMSCRIPTEN_KEEPALIVE const char* orvath_view() {
    const orvath::PictureHands& hands = ThePage().Hands();
    const orvath::ScreenMapping mapping = hands.Mapping();
    const orvath::Zoom& zoom = hands.CurrentZoom();
    char json[512];
    std::snprintf(json, sizeof json, "{\"factor\":%.9g,\"centreX\":%.9g,\"centreY\":%.9g",
                  zoom.factor, zoom.centreX, zoom.centreY);
    std::string out = json;
    out += ",\"protractor\":";
    if (const auto& p = hands.ShownProtractor()) {
        std::snprintf(json, sizeof json, "{\"x\":%.3f,\"y\":%.3f,\"radius\":%.3f}",
                      mapping.X(p->centre.x), mapping.Y(p->centre.y),
                      p->radius * std::abs(mapping.ScaleX()));
        out += json;
    } else {
        out += "null";
    }
    out += ",\"ruler\":";
    if (const auto& r = hands.ShownRuler()) {
        std::snprintf(json, sizeof json, "{\"x1\":%.3f,\"y1\":%.3f,\"x2\":%.3f,\"y2\":%.3f}",
                      mapping.X(r->start.x), mapping.Y(r->start.y), mapping.X(r->end.x),
                      mapping.Y(r->end.y));
        out += json;
    } else {
        out += "null";
    }
    return Handed(out + "}");
}

EMSCRIPTEN_KEEPALIVE void orvath_frame() {
    ThePage().Frame();
}

// Packs the picture when it changed; returns the number of floats at
// orvath_records(), or -1 when nothing changed.
EMSCRIPTEN_KEEPALIVE int orvath_pack() {
    const orvath::web::PackedPicture* packed = ThePage().PackIfChanged();
    if (packed == nullptr) {
        return -1;
    }
    TheSite().packed = packed;
    return static_cast<int>(packed->records.size());
}

EMSCRIPTEN_KEEPALIVE const float* orvath_records() {
    return TheSite().packed ? TheSite().packed->records.data() : nullptr;
}

// The picture's texts, each ended by a line feed.
EMSCRIPTEN_KEEPALIVE const char* orvath_texts() {
    return TheSite().packed ? TheSite().packed->texts.c_str() : "";
}

// A paint of the picture took `ms`.
EMSCRIPTEN_KEEPALIVE void orvath_painted(double ms) {
    ThePage().Stats().FramePainted(
        std::chrono::duration_cast<orvath::AnimationStats::Clock::duration>(
            std::chrono::duration<double, std::milli>(ms)));
}

EMSCRIPTEN_KEEPALIVE const char* orvath_svg() {
    return Handed(ThePage().Svg());
}

EMSCRIPTEN_KEEPALIVE const char* orvath_fragment() {
    return Handed(ThePage().Fragment());
}

// Saving the run as an animated GIF, a frame at a time: returns the number
// of frames, or 0 with a line on the console.
EMSCRIPTEN_KEEPALIVE int orvath_gif_open() {
    orvath::web::Page& page = ThePage();
    auto& animation = TheSite().animation;
    animation = std::make_unique<orvath::web::PageAnimation>(
        orvath::SettingsShown(page.Model()), page.CurrentTheme(), page.Model().Speed());
    if (const std::string error = animation->Open(); !error.empty()) {
        return AnimationFailed(error);
    }
    return animation->FrameCount();
}

EMSCRIPTEN_KEEPALIVE int orvath_gif_width() {
    return TheSite().animation ? TheSite().animation->Width() : 0;
}

EMSCRIPTEN_KEEPALIVE int orvath_gif_height() {
    return TheSite().animation ? TheSite().animation->Height() : 0;
}

// Packs the next frame for painting (orvath_records, orvath_texts); returns
// the number of floats, or -1 when no animation is being saved.
EMSCRIPTEN_KEEPALIVE int orvath_gif_pack() {
    if (!TheSite().animation) {
        return -1;
    }
    TheSite().packed = &TheSite().animation->NextPicture();
    return static_cast<int>(TheSite().packed->records.size());
}

// Where the painted frame's RGBA pixels go.
EMSCRIPTEN_KEEPALIVE std::uint8_t* orvath_gif_pixels() {
    return TheSite().animation ? TheSite().animation->PixelBuffer() : nullptr;
}

// Adds the painted frame; 1, or 0 with a line on the console.
EMSCRIPTEN_KEEPALIVE int orvath_gif_add() {
    if (!TheSite().animation) {
        return 0;
    }
    const std::string error = TheSite().animation->AddPaintedFrame();
    return error.empty() ? 1 : AnimationFailed(error);
}

// Ends the GIF: its size in bytes at orvath_gif_bytes, or 0 with a line on
// the console.
EMSCRIPTEN_KEEPALIVE int orvath_gif_finish() {
    if (!TheSite().animation) {
        return 0;
    }
    const std::string error = TheSite().animation->Finish();
    return error.empty() ? static_cast<int>(TheSite().animation->Bytes().size())
                         : AnimationFailed(error);
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* orvath_gif_bytes() {
    return TheSite().animation ? TheSite().animation->Bytes().data() : nullptr;
}

// Drops the animation, finished or not.
EMSCRIPTEN_KEEPALIVE void orvath_gif_close() {
    TheSite().animation.reset();
    TheSite().packed = nullptr;
}

// The animation figures as JSON, with the line that --stats prints.
EMSCRIPTEN_KEEPALIVE const char* orvath_stats() {
    const orvath::AnimationFigures f = ThePage().Stats().Figures();
    char json[512];
    std::snprintf(json, sizeof json,
                  "{\"ticks\":%ld,\"ticksPerSecond\":%.3f,\"frames\":%ld,\"framesPerSecond\":%.3f,"
                  "\"medianPaintMs\":%.3f,\"worstPaintMs\":%.3f,\"firstPictureMs\":%.3f,"
                  "\"timerRunning\":%s,\"time\":%d,\"line\":\"%s\"}",
                  f.ticks, f.ticksPerSecond, f.frames, f.framesPerSecond, f.medianPaintMs,
                  f.worstPaintMs, f.firstPictureMs, ThePage().TimerRunning() ? "true" : "false",
                  ThePage().Model().Bars().time, orvath::StatsLine(f).c_str());
    return Handed(json);
}

// Microseconds per redraw of the current picture through the time bar's
// handler, over `count` redraws, for the measurements.
EMSCRIPTEN_KEEPALIVE double orvath_time_redraws(int count) {
    orvath::Panel& panel = ThePage().Model();
    const int time = panel.Bars().time;
    const int other = time < orvath::SettingOf(Bar::Time).max ? time + 1 : time - 1;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        panel.MoveBar(Bar::Time, i % 2 == 0 ? other : time);
    }
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return count > 0 ? took.count() / count : 0;
}

}  // extern "C"
