// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page.h"

#include "text/languages.h"

#include <algorithm>
#include <cmath>

#include "exact/exact_view.h"
#include "model/bar_settings.h"
#include "model/info_text.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/refraction_facts.h"
#include "model/spoken_texts.h"
#include "model/world_frame.h"
#include "panel/settings.h"
#include "web/page_actions.h"
#include "web/page_controls.h"
#include "web/svg_picture.h"
#include "web/url_settings.h"

namespace orvath::web {
namespace {

// A frame's batch of overdue ticks yields to painting after this long, as the
// window's does.
constexpr double kTickBatchMs = 12;
// The clock is read once per this many ticks.
constexpr int kTicksPerClockRead = 50;
// Pixels between the classroom rows and the verdict under them.
constexpr int kVerdictGap = 4;

std::string_view IdOf(Control control) {
    return ControlName(control);
}

// The CSS cursor for what a press would do, or does while held.
std::string_view CursorFor(const PictureHands& hands, HandHint hint) {
    if (hands.Turning() != Grip::None || hands.HoldingInstrument()) {
        return "grabbing";
    }
    switch (hint) {
        case HandHint::TurnIncident:
        case HandHint::TurnRefracted:
        case HandHint::TurnInstrument:
            return "grab";
        case HandHint::MoveInstrument:
        case HandHint::Pan:
            return "move";
        case HandHint::None:
            break;
    }
    return "";
}

bool SameHandles(const std::vector<HandleMark>& a, const std::vector<HandleMark>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const HandleMark& p, const HandleMark& q) {
                          return p.grip == q.grip && p.x == q.x && p.y == q.y && p.held == q.held;
                      });
}

}  // namespace

Page::Page(PageDocument& document, Clock clock, AnimationStats::Clock::time_point created)
    : document_(document), clock_(std::move(clock)), stats_(created) {}

Page::~Page() {
    if (panel_) {
        panel_->RemoveObserver(*this);
    }
}

void Page::SetNaturalWidth(std::string_view id, int pixels) {
    naturalWidths_[std::string(id)] = pixels;
}

std::vector<std::string> Page::Start(int width, int height, std::string_view fragment) {
    width_ = width;
    height_ = height;
    UrlSettings url = ParseUrlSettings(fragment);
    for (const Bar bar : kBars) {
        document_.SetRange(IdOf(BarControl(bar)), SettingOf(bar).min, SettingOf(bar).max);
    }
    for (const Control control : kControls) {
        if (!TextOf(control).name.empty()) {
            document_.Describe(IdOf(control), TextOf(control));
        }
    }
    document_.Describe(kExactSwitchId, ExactSwitchText());
    document_.Describe(kReflectionSwitchId, ReflectionSwitchText());
    document_.Describe(kPictureId, {Tr(kPictureName), {}, {}, {}});
    for (const auto& controls :
         {PictureButtons(), ClassroomControls(), ViewControls(), LessonControls()}) {
        for (const PageControl& own : controls) {
            document_.Describe(own.id, Translated(own.text));
        }
    }
    // What the link does not set is at its start value, as in a new page.
    theme_ = url.theme.value_or(Theme::Classic);
    document_.SetThemeScale(FontScale(theme_));
    StartPanel(url.settings, url.speed.value_or(TimerSpeed::Full));
    hands_->ShowProtractor(url.protractor.value_or(false));
    hands_->ShowRuler(url.ruler.value_or(false));
    hands_->SetZoom(url.zoom.value_or(Zoom{}));
    HandsChanged();
    return std::move(url.problems);
}

void Page::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    StartPanel(SettingsShown(*panel_), panel_->Speed());
}

void Page::StartPanel(const PanelSettings& settings, TimerSpeed speed) {
    const bool timerWasOn = panel_ && panel_->TimerEnabled();
    std::optional<instruments::Protractor> protractor;
    std::optional<instruments::Ruler> ruler;
    Zoom zoom;
    if (hands_) {
        protractor = hands_->ShownProtractor();
        ruler = hands_->ShownRuler();
        zoom = hands_->CurrentZoom();
        hands_.reset();
    }
    if (panel_) {
        panel_->RemoveObserver(*this);
    }
    panel_ = std::make_unique<Panel>(picture_);
    panel_->SetTheme(theme_);
    panel_->SetSpeed(speed);
    panel_->AddObserver(*this);
    starting_ = true;
    ShowSpeed(speed);
    ApplyViewSettings(settings, *panel_);
    panel_->StartUp(static_cast<float>(width_ * kTwipsPerPixel),
                    static_cast<float>(height_ * kTwipsPerPixel));
    ShowSwitches();
    ApplySettings(settings, *panel_);
    for (const Bar bar : kBars) {
        document_.SetValue(IdOf(BarControl(bar)), ShownValue(bar));
    }
    ShowMystery();
    DescribeAngle();
    DescribeBars();
    DescribePicture();
    ShowMedium();
    hands_ = std::make_unique<PictureHands>(*panel_, *panel_);
    hands_->SetArea(width_, height_);
    if (protractor) {
        hands_->SetProtractor(*protractor);
    }
    if (ruler) {
        hands_->SetRuler(*ruler);
    }
    hands_->SetZoom(zoom);
    hands_->OnViewChanged([this] { HandsChanged(); });
    HandsChanged();
    starting_ = false;
    if (timerWasOn) {
        panel_->Click(Button::Start);
    }
}

void Page::PressBarKey(Bar bar, BarKey key) {
    const BarSetting& s = SettingOf(bar);
    const int value = panel_->Bars()[bar];
    switch (key) {
        case BarKey::SmallUp:
            return panel_->MoveBar(bar, value + s.smallStep);
        case BarKey::SmallDown:
            return panel_->MoveBar(bar, value - s.smallStep);
        case BarKey::LargeUp:
            return panel_->MoveBar(bar, value + s.largeStep);
        case BarKey::LargeDown:
            return panel_->MoveBar(bar, value - s.largeStep);
        case BarKey::ToMin:
            return panel_->MoveBar(bar, s.min);
        case BarKey::ToMax:
            return panel_->MoveBar(bar, s.max);
    }
}

void Page::ToggleView() {
    panel_->SetView(panel_->CurrentView() == View::Exact ? View::Classic : View::Exact);
}

void Page::ToggleMystery() {
    if (panel_->IndexHidden()) {
        panel_->RevealMystery();
    } else {
        panel_->StartMystery(NewMysterySeed());
    }
}

void Page::ToggleReflection() {
    panel_->SetReflection(!panel_->Reflection());
}

TickSchedule::Clock::time_point Page::TimePoint(double milliseconds) {
    return TickSchedule::Clock::time_point(
        std::chrono::duration_cast<TickSchedule::Clock::duration>(
            std::chrono::duration<double, std::milli>(milliseconds)));
}

void Page::ToggleInformation() {
    informationShown_ = !informationShown_;
    if (informationShown_) {
        RefreshInformation();
    } else {
        document_.ShowInformation({});
    }
}

void Page::Frame() {
    if (!running_) {
        return;
    }
    const double begun = clock_();
    long due = schedule_.Due(TimePoint(begun));
    for (int sinceRead = 0; due > 0 && panel_->TimerEnabled(); --due) {
        panel_->Tick();
        schedule_.Delivered(1);
        stats_.TickDelivered();
        if (++sinceRead == kTicksPerClockRead) {
            sinceRead = 0;
            if (clock_() - begun >= kTickBatchMs) {
                break;
            }
        }
    }
}

const PackedPicture* Page::PackIfChanged() {
    if (packedOnce_ && picture_.Revision() == packedRevision_ && viewChanges_ == packedView_) {
        return nullptr;
    }
    packedOnce_ = true;
    packedRevision_ = picture_.Revision();
    packedView_ = viewChanges_;
    PackShown(packed_);
    return &packed_;
}

void Page::PackShown(PackedPicture& packed) const {
    const PictureHands& hands = *hands_;
    PackPicture(picture_, width_, height_, theme_, packed, hands.CurrentZoom());
    if (hands.ShownProtractor() || hands.ShownRuler()) {
        DisplayList instruments;
        hands.DrawInstruments(instruments);
        AddToPicture(instruments, width_, height_, theme_, packed, hands.CurrentZoom());
    }
}

std::string Page::Svg() const {
    PackedPicture packed;
    PackShown(packed);
    return SvgPicture(packed, width_, height_);
}

void Page::HandsChanged() {
    ++viewChanges_;
    document_.SetChecked(kProtractorSwitchId, hands_->ShownProtractor().has_value());
    document_.SetChecked(kRulerSwitchId, hands_->ShownRuler().has_value());
}

std::string_view Page::Pointer(PointerAction action, int pointer, double x, double y,
                               PointerKind kind) {
    PictureHands& hands = *hands_;
    const std::vector<HandleMark> before = hands.Handles();
    switch (action) {
        case PointerAction::Down:
            hands.Press(pointer, x, y, kind);
            break;
        case PointerAction::Move:
            hands.Move(pointer, x, y);
            break;
        case PointerAction::Up:
        case PointerAction::Cancel:
            hands.Release(pointer);
            break;
    }
    // The handles are painted with the picture: a change repaints it.
    if (!SameHandles(before, hands.Handles())) {
        ++viewChanges_;
    }
    return CursorFor(hands, hands.HintAt(x, y, kind));
}

std::vector<float> Page::HandleRecords() const {
    std::vector<float> records;
    const auto radius = static_cast<float>(kHandleRadiusPx * FontScale(theme_));
    for (const HandleMark& handle : hands_->Handles()) {
        const Rgb rgb =
            handle.grip == Grip::Incident ? exact::kIncidentColour : exact::kRefractedColour;
        records.insert(
            records.end(),
            {static_cast<float>(handle.x), static_cast<float>(handle.y), radius,
             static_cast<float>(rgb.r * 65536 + rgb.g * 256 + rgb.b), handle.held ? 1.0f : 0.0f});
    }
    return records;
}

std::string Page::Fragment() const {
    std::string fragment = SettingsFragment(SettingsShown(*panel_), panel_->Speed(), theme_) +
                           ViewFragment(hands_->ShownProtractor().has_value(),
                                        hands_->ShownRuler().has_value(), hands_->CurrentZoom());
    if (CurrentLanguage() != kOriginalLanguage) {
        fragment += "&lang=" + std::string(CurrentLanguage());
    }
    return fragment;
}

void Page::SetTheme(Theme theme) {
    theme_ = theme;
    panel_->SetTheme(theme);
    document_.SetThemeScale(FontScale(theme));
    for (const auto& [label, points] : labelPoints_) {
        ShowLabelFont(label);
    }
    document_.SetChecked(kThemeSwitchId, theme == Theme::Projector);
    // The packer paints the theme: the same display list is painted anew.
    packedOnce_ = false;
}

void Page::Placed(Control control, const ControlRect& rect) {
    const PixelRect pixels = panel_->MappingOnto(width_, height_)
                                 .ToPixelRect(rect.left, rect.top, rect.width, rect.height);
    document_.Place(IdOf(control), pixels);
    // The view switches beside "WAVELETS", as in the window, and then the
    // page's own actions.
    if (control == Control::WaveletsOption) {
        std::vector<std::string_view> ids = {kExactSwitchId, kReflectionSwitchId};
        for (const PageControl& own : PictureButtons()) {
            ids.push_back(own.id);
        }
        PlaceBeside(pixels, ids, pixels.width * 2 / 3, false);
    } else if (control == Control::IndexBar) {
        // As narrow as their texts, so that the row fits beside the bar.
        std::vector<std::string_view> ids;
        for (const auto& controls : {ClassroomControls(), ViewControls()}) {
            for (const PageControl& own : controls) {
                ids.push_back(own.id);
            }
        }
        for (const PageControl& own : LessonControls()) {
            if (own.kind != "status") {
                ids.push_back(own.id);
            }
        }
        // The verdict under the rows, as wide as the page leaves them.
        const PixelRect last = PlaceBeside(pixels, ids, 0, true);
        const int left = pixels.left + pixels.width;
        document_.Place(kVerdictId, {left, last.top + last.height + kVerdictGap,
                                     std::max(0, width_ - left - kVerdictGap), last.height});
    }
}

PixelRect Page::PlaceBeside(const PixelRect& control, const std::vector<std::string_view>& ids,
                            int leastWidth, bool wrap) {
    PixelRect slot = control;
    for (const std::string_view id : ids) {
        const auto natural = naturalWidths_.find(id);
        const int width =
            std::max(leastWidth, natural == naturalWidths_.end() ? 0 : natural->second);
        slot.left += slot.width;
        // What does not fit the page's width goes on a row of its own below,
        // still right of the control, so that every control can be reached.
        if (wrap && slot.left + width > width_ && slot.left > control.left + control.width) {
            slot.left = control.left + control.width;
            slot.top += slot.height;
        }
        slot.width = width;
        document_.Place(id, slot);
    }
    return slot;
}

void Page::LabelFontSet(Control label, double points) {
    labelPoints_[label] = points;
    ShowLabelFont(label);
}

void Page::ShowLabelFont(Control label) {
    document_.SetFontPoints(IdOf(label), labelPoints_[label] * FontScale(theme_));
}

void Page::CaptionWritten(Control label, std::string_view text) {
    if (decimalPoint_ == ".") {
        document_.SetText(IdOf(label), text);
        return;
    }
    std::string shown;
    for (const char c : text) {
        c == '.' ? shown += decimalPoint_ : shown += c;
    }
    document_.SetText(IdOf(label), shown);
}

void Page::BarChanged(Bar bar, int /*value*/) {
    document_.SetValue(IdOf(BarControl(bar)), ShownValue(bar));
    DescribeBar(bar);
    if (bar == Bar::Angle || bar == Bar::Index) {
        DescribeAngle();
        DescribePicture();
        const Scene scene = panel_->CurrentScene();
        Announce(RefractionAnnouncement(panel_->CurrentFacts(), scene.verdict, decimalPoint_));
    }
    if (bar == Bar::Index) {
        ShowMedium();
    }
    RefreshInformation();
}

void Page::OptionSelected(DisplayMode mode) {
    document_.SetChecked(IdOf(Control::ContinuousOption), mode == DisplayMode::Continuous);
    document_.SetChecked(IdOf(Control::WaveletsOption), mode == DisplayMode::Wavelets);
    // The time bar counts in periods in the continuous picture.
    DescribeBar(Bar::Time);
    DescribePicture();
}

void Page::ViewChanged(View /*view*/) {
    ShowSwitches();
    DescribePicture();
}

void Page::ReflectionChanged(bool /*shown*/) {
    ShowSwitches();
    DescribePicture();
}

void Page::TimerEnabledWritten(bool enabled) {
    if (enabled == running_) {
        return;
    }
    running_ = enabled;
    if (enabled) {
        schedule_.Start(TimePoint(clock_()), panel_->Speed());
        stats_.TimerStarted();
    } else {
        stats_.TimerStopped();
    }
    Announce(TimerAnnouncement(enabled));
}

void Page::KeyChanged(bool shown) {
    document_.SetChecked(kKeySwitchId, shown);
}

void Page::SpeedChanged(TimerSpeed speed) {
    if (running_) {
        schedule_.ChangeSpeed(TimePoint(clock_()), speed);
    }
    ShowSpeed(speed);
    Announce(SpeedAnnouncement(speed));
}

void Page::MysteryStarted(int /*seed*/) {
    ShowMystery();
    document_.SetText(kVerdictId, {});
    Announce(Tr("A mystery medium: the index of medium 2 is hidden. Measure it and type it in."));
}

void Page::Guessed(std::string_view /*typed*/, const GuessVerdict& verdict) {
    const std::string message = GuessMessage(verdict, decimalPoint_);
    document_.SetText(kVerdictId, message);
    Announce(message);
}

void Page::MysteryRevealed(int indexTimes100) {
    ShowMystery();
    document_.SetValue(IdOf(BarControl(Bar::Index)), indexTimes100);
    DescribeBars();
    DescribeAngle();
    DescribePicture();
    ShowMedium();
    const std::string message = RevealMessage(indexTimes100, decimalPoint_);
    document_.SetText(kVerdictId, message);
    Announce(message);
}

void Page::ShowMystery() {
    const bool on = panel_->IndexHidden();
    document_.SetEnabled(IdOf(Control::IndexBar), !on);
    document_.SetEnabled(kMediumChooserId, !on);
    document_.SetChecked(kMysteryButtonId, on);
    for (const std::string_view id : {kGuessFieldId, kGuessButtonId, kRevealButtonId}) {
        document_.SetEnabled(id, on);
    }
}

int Page::ShownValue(Bar bar) const {
    // The middle of the bar, so that neither its thumb nor its value tells
    // the hidden index.
    if (bar == Bar::Index && panel_->IndexHidden()) {
        return (SettingOf(bar).min + SettingOf(bar).max) / 2;
    }
    return panel_->Bars()[bar];
}

void Page::ShowSpeed(TimerSpeed speed) {
    stats_.SpeedSet(speed);
    document_.SetChoice(kSpeedChooserId,
                        std::string(kSpeedCommand) + std::string(SpeedName(speed)));
}

void Page::ShowMedium() {
    const auto pair = panel_->IndexHidden() ? std::nullopt : MediaPresetAt(panel_->Bars().index);
    document_.SetChoice(kMediumChooserId,
                        pair ? std::string(kMediumCommand) + pair->Word() : std::string());
}

void Page::Announce(std::string_view text) {
    if (!starting_) {
        document_.Announce(text);
    }
}

void Page::ShowSwitches() {
    const Panel& panel = *panel_;
    document_.SetChecked(IdOf(Control::ContinuousOption), panel.Mode() == DisplayMode::Continuous);
    document_.SetChecked(IdOf(Control::WaveletsOption), panel.Mode() == DisplayMode::Wavelets);
    document_.SetChecked(kExactSwitchId, panel.CurrentView() == View::Exact);
    document_.SetChecked(kReflectionSwitchId, panel.Reflection());
    document_.SetChecked(kKeySwitchId, panel.Key());
    document_.SetChecked(kThemeSwitchId, theme_ == Theme::Projector);
}

void Page::DescribeBars() {
    for (const Bar bar : kBars) {
        DescribeBar(bar);
    }
}

void Page::DescribeBar(Bar bar) {
    const RefractionFacts facts = panel_->CurrentFacts();
    document_.SetValueText(IdOf(BarControl(bar)),
                           BarValueText(bar, panel_->Bars().waves, facts, decimalPoint_));
}

void Page::DescribeAngle() {
    const RefractionFacts facts = panel_->CurrentFacts();
    document_.SetDescription(IdOf(Control::AngleBar), AngleBarDescription(facts, decimalPoint_));
}

void Page::DescribePicture() {
    const Panel& panel = *panel_;
    document_.SetDescription(kPictureId,
                             PictureSummary(panel.Mode(), panel.CurrentView(), panel.Reflection(),
                                            panel.CurrentFacts(), decimalPoint_));
    RefreshInformation();
}

void Page::RefreshInformation() {
    if (!informationShown_) {
        return;
    }
    const RefractionFacts facts = panel_->CurrentFacts();
    document_.ShowInformation(InfoOverlayLines(facts, panel_->CurrentView(), decimalPoint_));
}

}  // namespace orvath::web
