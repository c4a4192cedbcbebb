// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page.h"

#include <algorithm>
#include <cmath>

#include "model/bar_settings.h"
#include "model/info_text.h"
#include "model/refraction_facts.h"
#include "model/world_frame.h"
#include "panel/settings.h"
#include "web/svg_picture.h"
#include "web/url_settings.h"

namespace orvath::web {
namespace {

// A frame's batch of overdue ticks yields to painting after this long, as the
// window's does.
constexpr double kTickBatchMs = 12;
// The clock is read once per this many ticks.
constexpr int kTicksPerClockRead = 50;

std::string_view IdOf(Control control) {
    return ControlName(control);
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
    StartPanel(url.settings);
    return std::move(url.problems);
}

void Page::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    StartPanel(SettingsShown(*panel_));
}

void Page::StartPanel(const PanelSettings& settings) {
    const bool timerWasOn = panel_ && panel_->TimerEnabled();
    if (panel_) {
        panel_->RemoveObserver(*this);
    }
    panel_ = std::make_unique<Panel>(picture_);
    panel_->AddObserver(*this);
    ApplyViewSettings(settings, *panel_);
    panel_->StartUp(static_cast<float>(width_ * kTwipsPerPixel),
                    static_cast<float>(height_ * kTwipsPerPixel));
    ShowSwitches();
    ApplySettings(settings, *panel_);
    for (const Bar bar : kBars) {
        document_.SetValue(IdOf(BarControl(bar)), panel_->Bars()[bar]);
    }
    DescribeAngle();
    DescribePicture();
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
    if (packedOnce_ && picture_.Revision() == packedRevision_) {
        return nullptr;
    }
    packedOnce_ = true;
    packedRevision_ = picture_.Revision();
    PackPicture(picture_, width_, height_, theme_, packed_);
    return &packed_;
}

std::string Page::Svg() const {
    PackedPicture packed;
    PackPicture(picture_, width_, height_, theme_, packed);
    return SvgPicture(packed, width_, height_);
}

std::string Page::Fragment() const {
    return SettingsFragment(SettingsShown(*panel_));
}

void Page::Placed(Control control, const ControlRect& rect) {
    const PixelRect pixels = panel_->MappingOnto(width_, height_)
                                 .ToPixelRect(rect.left, rect.top, rect.width, rect.height);
    document_.Place(IdOf(control), pixels);
    // The view switches beside "WAVELETS", as in the window, and then the
    // page's own actions.
    if (control == Control::WaveletsOption) {
        std::vector<std::string_view> ids = {kExactSwitchId, kReflectionSwitchId};
        for (const PageAction& action : kPageActions) {
            ids.push_back(action.id);
        }
        PlaceBeside(pixels, ids);
    }
}

void Page::PlaceBeside(const PixelRect& control, const std::vector<std::string_view>& ids) {
    PixelRect slot = control;
    for (const std::string_view id : ids) {
        slot.left += slot.width;
        const auto natural = naturalWidths_.find(id);
        slot.width =
            std::max(control.width * 2 / 3, natural == naturalWidths_.end() ? 0 : natural->second);
        document_.Place(id, slot);
    }
}

void Page::LabelFontSet(Control label, double points) {
    document_.SetFontPoints(IdOf(label), points);
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

void Page::BarChanged(Bar bar, int value) {
    document_.SetValue(IdOf(BarControl(bar)), value);
    if (bar == Bar::Angle || bar == Bar::Index) {
        DescribeAngle();
    }
    RefreshInformation();
}

void Page::OptionSelected(DisplayMode mode) {
    document_.SetChecked(IdOf(Control::ContinuousOption), mode == DisplayMode::Continuous);
    document_.SetChecked(IdOf(Control::WaveletsOption), mode == DisplayMode::Wavelets);
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
}

void Page::ShowSwitches() {
    const Panel& panel = *panel_;
    document_.SetChecked(IdOf(Control::ContinuousOption), panel.Mode() == DisplayMode::Continuous);
    document_.SetChecked(IdOf(Control::WaveletsOption), panel.Mode() == DisplayMode::Wavelets);
    document_.SetChecked(kExactSwitchId, panel.CurrentView() == View::Exact);
    document_.SetChecked(kReflectionSwitchId, panel.Reflection());
}

void Page::DescribeAngle() {
    const RefractionFacts facts = panel_->CurrentFacts();
    document_.SetDescription(IdOf(Control::AngleBar), AngleBarDescription(facts, decimalPoint_));
}

void Page::DescribePicture() {
    const Panel& panel = *panel_;
    document_.SetDescription(
        kPictureId, PictureDescription(panel.Mode(), panel.CurrentView(), panel.Reflection()));
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
