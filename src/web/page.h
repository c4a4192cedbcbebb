// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "panel/animation_stats.h"
#include "panel/panel.h"
#include "panel/picture_hands.h"
#include "panel/settings.h"
#include "panel/tick_schedule.h"
#include "surface/display_list.h"
#include "text/translate.h"
#include "web/packed_picture.h"
#include "web/page_document.h"

namespace orvath::web {

// The page's own elements beside the panel's controls.
inline constexpr std::string_view kExactSwitchId = "ExactView";
inline constexpr std::string_view kReflectionSwitchId = "Reflection";
inline constexpr std::string_view kPictureId = "picture";

// The page's classroom controls (page_controls.h) that show a state.
inline constexpr std::string_view kSpeedChooserId = "Speed";
inline constexpr std::string_view kMediumChooserId = "Medium";
inline constexpr std::string_view kThemeSwitchId = "Projector";
inline constexpr std::string_view kKeySwitchId = "Key";
// The mystery medium's controls (page_controls.h) and where its verdict is
// shown.
inline constexpr std::string_view kMysteryButtonId = "Mystery";
inline constexpr std::string_view kGuessFieldId = "GuessField";
inline constexpr std::string_view kGuessButtonId = "Guess";
inline constexpr std::string_view kRevealButtonId = "Reveal";
inline constexpr std::string_view kVerdictId = "Verdict";
inline constexpr std::string_view kProtractorSwitchId = "Protractor";
inline constexpr std::string_view kRulerSwitchId = "Ruler";
// The region that speaks what changed.
inline constexpr std::string_view kAnnouncerId = "announcer";
// What "COPY LINK" says for a moment once the link is copied.
inline constexpr std::string_view kLinkCopiedText = TrMark("LINK COPIED");

// What a pointer on the picture does.
enum class PointerAction { Down, Move, Up, Cancel };

// What a key does to a focused bar: its small or large step up or down, or
// its end.
enum class BarKey { SmallUp, SmallDown, LargeUp, LargeDown, ToMin, ToMax };

// The web page's program: the panel model drawing into a display list, shown
// on the page's document as the desktop window shows it on its widgets, with
// the timer paced by display frames. Everything the page's script does goes
// through here; the script only paints and passes on events.
class Page : private PanelObserver {
  public:
    // Milliseconds on any steady clock.
    using Clock = std::function<double()>;

    Page(PageDocument& document, Clock clock,
         AnimationStats::Clock::time_point created = AnimationStats::Clock::now());
    ~Page() override;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // The widest an element of the page's own must be to show its text; the
    // switches and actions are placed at least this wide.
    void SetNaturalWidth(std::string_view id, int pixels);
    // The decimal separator the reader expects; captions are built with '.'.
    void SetDecimalPoint(std::string_view point) { decimalPoint_ = point; }
    std::string_view DecimalPoint() const { return decimalPoint_; }

    // Start-up on a drawing area of width x height CSS pixels, then the
    // settings of the page's address (url_settings.h) as a user would make
    // them. Returns what could not be taken from the address, a line each.
    std::vector<std::string> Start(int width, int height, std::string_view fragment);
    // Start-up again for a new size, with the settings shown now, as the page
    // starts from the link that "copy link" gives; a running timer runs on.
    void Resize(int width, int height);

    Panel& Model() { return *panel_; }
    const Panel& Model() const { return *panel_; }
    void PressBarKey(Bar bar, BarKey key);
    void ToggleView();
    void ToggleReflection();
    void ToggleInformation();
    bool InformationShown() const { return informationShown_; }
    void SetSpeed(TimerSpeed speed) { panel_->SetSpeed(speed); }
    void SetTheme(Theme theme);
    Theme CurrentTheme() const { return theme_; }
    void ToggleKey() { panel_->SetKey(!panel_->Key()); }
    // A new mystery medium, or the index shown when one is on.
    void ToggleMystery();

    // The hands on the picture, over the panel as the window has them: the
    // zoom, the instruments and the rays turned by dragging.
    PictureHands& Hands() { return *hands_; }
    const PictureHands& Hands() const { return *hands_; }
    void ToggleProtractor() { hands_->ShowProtractor(!hands_->ShownProtractor()); }
    void ToggleRuler() { hands_->ShowRuler(!hands_->ShownRuler()); }
    // A pointer on the picture at (x, y) CSS pixels of the drawing area;
    // returns the CSS cursor that the picture shows there now.
    std::string_view Pointer(PointerAction action, int pointer, double x, double y,
                             PointerKind kind);
    // The handles to draw over the picture, never into it: x, y, radius in
    // CSS pixels, colour (R*65536+G*256+B) and 1 when held, 0 when not, for
    // each handle in turn.
    std::vector<float> HandleRecords() const;

    // One display frame: delivers the timer's ticks that have fallen due,
    // one complete redraw each, for at most a batch's time.
    void Frame();
    // The picture packed for painting when it changed since the last call,
    // else null.
    const PackedPicture* PackIfChanged();
    // The picture as an SVG drawing of the page's size, as it is shown:
    // zoomed, with the instruments shown.
    std::string Svg() const;
    // The address fragment of what the page shows now.
    std::string Fragment() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    AnimationStats& Stats() { return stats_; }
    bool TimerRunning() const { return running_; }

  private:
    // A time of the page's clock, in milliseconds, on the schedule's clock.
    static TickSchedule::Clock::time_point TimePoint(double milliseconds);

    void Placed(Control control, const ControlRect& rect) override;
    void LabelFontSet(Control label, double points) override;
    void CaptionWritten(Control label, std::string_view text) override;
    void BarChanged(Bar bar, int value) override;
    void OptionSelected(DisplayMode mode) override;
    void ViewChanged(View view) override;
    void ReflectionChanged(bool shown) override;
    void TimerEnabledWritten(bool enabled) override;
    void KeyChanged(bool shown) override;
    void SpeedChanged(TimerSpeed speed) override;
    void MysteryStarted(int seed) override;
    void Guessed(std::string_view typed, const GuessVerdict& verdict) override;
    void MysteryRevealed(int indexTimes100) override;

    // A new panel started on the current size with these settings; the
    // hands keep their zoom and instruments, and let go of their pointers.
    void StartPanel(const PanelSettings& settings, TimerSpeed speed);
    // The picture at the zoom with the instruments over it.
    void PackShown(PackedPicture& packed) const;
    // The instruments' switches and a repaint after the hands changed what
    // they show.
    void HandsChanged();
    // Puts elements of the page's own to the right of a placed control, each
    // as wide as its text and at least `leastWidth`; with `wrap`, on further
    // rows below where the page is too narrow for one. Returns where the
    // last one went.
    PixelRect PlaceBeside(const PixelRect& control, const std::vector<std::string_view>& ids,
                          int leastWidth, bool wrap);
    void ShowSwitches();
    void DescribeAngle();
    void DescribeBars();
    void DescribeBar(Bar bar);
    void ShowSpeed(TimerSpeed speed);
    void ShowMedium();
    // The index bar, the guess and the mystery's buttons as the mystery
    // medium being on or off makes them; the bar shows no value while on.
    void ShowMystery();
    int ShownValue(Bar bar) const;
    void Announce(std::string_view text);
    void ShowLabelFont(Control label);
    void DescribePicture();
    void RefreshInformation();

    PageDocument& document_;
    Clock clock_;
    DisplayList picture_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<PictureHands> hands_;
    std::uint64_t viewChanges_ = 0;  // counts the hands' changes of what is shown
    std::uint64_t packedView_ = 0;
    TickSchedule schedule_;
    AnimationStats stats_;
    bool running_ = false;
    bool informationShown_ = false;
    int width_ = 0;
    int height_ = 0;
    std::string decimalPoint_ = ".";
    Theme theme_ = Theme::Classic;
    std::map<std::string, int, std::less<>> naturalWidths_;
    std::map<Control, double> labelPoints_;  // in the classic theme
    bool starting_ = false;  // no announcements while a new panel takes its settings
    PackedPicture packed_;
    std::uint64_t packedRevision_ = 0;
    bool packedOnce_ = false;
};

}  // namespace orvath::web
