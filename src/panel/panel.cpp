// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/panel.h"

#include "continuous/draw_continuous.h"
#include "exact/exact_view.h"
#include "model/captions.h"
#include "model/critical_angle.h"
#include "model/panel_layout.h"
#include "model/world_frame.h"
#include "panel/settings.h"
#include "wavelets/draw_wavelets.h"

namespace orvath {
namespace {

// Where the critical-angle message is printed, in world units.
constexpr float kMessageX = -50;
constexpr float kMessageY = 70;
// The labels' font sizes from start-up on, in points.
constexpr double kLabelFontPoints = 14;
constexpr double kWavesLabelFontPoints = 12;
// "CONTINUOUS" puts the time bar here.
constexpr int kContinuousStartTime = 5;

}  // namespace

Panel::Panel(Surface& surface) : surface_(surface) {}

void Panel::AddObserver(PanelObserver& observer) {
    observers_.push_back(&observer);
}

void Panel::RemoveObserver(PanelObserver& observer) {
    std::erase(observers_, &observer);
}

void Panel::StartUp(float clientWidthTwips, float clientHeightTwips) {
    client_ = {clientWidthTwips, clientHeightTwips};
    const SimulationState state = StateFor(bars_, client_);
    surface_.Scale(state.xLeft, state.yTop, state.xRight, state.yBottom);

    const PanelLayout layout = LayOutPanel(state);
    for (const Control control : kControls) {
        Notify([&](PanelObserver& o) { o.Placed(control, At(layout, control)); });
    }

    SetLabelFont(Control::AngleLabel, kLabelFontPoints);
    WriteCaption(Control::AngleLabel, AngleCaption(bars_.angle));
    SetLabelFont(Control::WavesLabel, kWavesLabelFontPoints);
    WriteCaption(Control::WavesLabel, WavesCaption(bars_.waves));
    SetLabelFont(Control::IndexLabel, kLabelFontPoints);
    WriteCaption(Control::IndexLabel,
                 IndexHidden() ? HiddenIndexCaption() : IndexCaption(bars_.index));

    // The boundary and the normal, drawn before the window is visible.
    surface_.Line(state.xLeft, 0, state.xRight, 0);
    surface_.Line(0, state.yBottom, 0, state.yTop);

    Notify([](PanelObserver& o) { o.Shown(); });

    SetLabelFont(Control::TimeLabel, kLabelFontPoints);
    WriteCaption(Control::TimeLabel, StartupTimeCaption(bars_.time));

    started_ = true;
    DrawSelectedMode();
}

WorldFrame Panel::Frame() const {
    const SimulationState state = StateFor(bars_, client_);
    return {state.xLeft, static_cast<float>(state.yTop), state.xRight,
            static_cast<float>(state.yBottom)};
}

ScreenMapping Panel::MappingOnto(double widthPx, double heightPx, const Zoom& zoom) const {
    return {Frame(), widthPx, heightPx, zoom};
}

void Panel::MoveBar(Bar bar, int value) {
    if (bar == Bar::Index && IndexHidden()) {
        return;
    }
    SetBar(bar, ClampToRange(bar, value));
}

void Panel::Click(Button button) {
    switch (button) {
        case Button::Continuous:
        case Button::Wavelets: {
            const DisplayMode mode =
                button == Button::Continuous ? DisplayMode::Continuous : DisplayMode::Wavelets;
            if (mode == mode_) {
                return;
            }
            mode_ = mode;
            Notify([&](PanelObserver& o) { o.OptionSelected(mode); });
            // "WAVELETS" has no handler: it takes effect at the next change.
            if (mode == DisplayMode::Continuous) {
                OnContinuousClicked();
            }
            return;
        }
        case Button::Start:
            OnStartClicked();
            return;
        case Button::Stop:
            OnStopClicked();
            return;
    }
}

void Panel::DeliverTicks(int count) {
    for (int i = 0; i < count && timerEnabled_; ++i) {
        OnTimerTick();
    }
}

void Panel::SetView(View view) {
    if (view == view_) {
        return;
    }
    view_ = view;
    Notify([&](PanelObserver& o) { o.ViewChanged(view); });
    Redraw();
}

void Panel::SetReflection(bool shown) {
    if (shown == reflection_) {
        return;
    }
    reflection_ = shown;
    Notify([&](PanelObserver& o) { o.ReflectionChanged(shown); });
    if (view_ == View::Exact) {
        Redraw();
    }
}

void Panel::Tick() {
    if (timerEnabled_) {
        OnTimerTick();
    }
}

void Panel::ResetToStart() {
    if (IndexHidden()) {
        mysterySeed_.reset();
        Notify([&](PanelObserver& o) { o.MysteryRevealed(bars_.index); });
    }
    const BarValues start = StartValues();
    const bool barsMove = bars_ != start;
    const bool modeChanges = mode_ != DisplayMode::Wavelets;
    PanelSettings settings;
    settings.mode = DisplayMode::Wavelets;
    for (const Bar bar : kBars) {
        settings[bar] = start[bar];
    }
    ApplySettings(settings, *this);
    // Selecting "WAVELETS" alone redraws nothing; with every bar already in
    // place the time bar's handler draws the wavelet picture.
    if (modeChanges && !barsMove) {
        OnTimeChanged();
    }
}

void Panel::StartOrStopTimer() {
    Click(timerEnabled_ ? Button::Stop : Button::Start);
}

void Panel::StepTime(int steps) {
    if (!timerEnabled_) {
        MoveBar(Bar::Time, bars_.time + steps);
    }
}

void Panel::StepPeriods(int periods) {
    StepTime(periods * TimeStepsPerPeriod(mode_));
}

void Panel::SetSpeed(TimerSpeed speed) {
    if (speed == speed_) {
        return;
    }
    speed_ = speed;
    Notify([&](PanelObserver& o) { o.SpeedChanged(speed); });
}

void Panel::SetTheme(Theme theme) {
    if (theme == theme_) {
        return;
    }
    theme_ = theme;
    if (view_ == View::Exact) {
        Redraw();
    }
}

void Panel::SetKey(bool shown) {
    if (shown == key_) {
        return;
    }
    key_ = shown;
    Notify([&](PanelObserver& o) { o.KeyChanged(shown); });
    if (view_ == View::Exact) {
        Redraw();
    }
}

void Panel::RewriteTexts() {
    if (!started_) {
        return;
    }
    WriteCaption(Control::AngleLabel, AngleCaption(bars_.angle));
    WriteCaption(Control::WavesLabel, WavesCaption(bars_.waves));
    WriteCaption(Control::IndexLabel,
                 IndexHidden() ? HiddenIndexCaption() : IndexCaption(bars_.index));
    switch (timeCaption_) {
        case TimeCaption::StartUp:
            WriteCaption(Control::TimeLabel, StartupTimeCaption(bars_.time));
            break;
        case TimeCaption::TimeBar:
            WriteCaption(Control::TimeLabel, TimeBarCaption(bars_.time, CurrentScene().period));
            break;
        case TimeCaption::Wavelets:
            WriteCaption(Control::TimeLabel, WaveletTimeCaption(bars_.time));
            break;
    }
    // The classic pictures' only text is the message, which the angle's
    // Change printed before its picture; the exact view draws its texts anew.
    if (messageShown_) {
        surface_.Cls();
        surface_.SetCurrent(kMessageX, kMessageY);
        surface_.Print(CriticalMessage(CurrentScene().verdict));
        DrawSelectedMode();
    } else if (view_ == View::Exact) {
        Redraw();
    }
}

void Panel::StartMystery(int seed) {
    mysterySeed_ = seed;
    Notify([&](PanelObserver& o) { o.MysteryStarted(seed); });
    const int index = MysteryIndex(seed);
    if (index == bars_.index) {
        OnIndexChanged();
    } else {
        AssignBar(Bar::Index, index);
    }
}

void Panel::Guess(std::string_view typed) {
    if (!IndexHidden()) {
        return;
    }
    const GuessVerdict verdict = JudgeGuess(typed, bars_.index);
    Notify([&](PanelObserver& o) { o.Guessed(typed, verdict); });
}

void Panel::RevealMystery() {
    if (!IndexHidden()) {
        return;
    }
    mysterySeed_.reset();
    Notify([&](PanelObserver& o) { o.MysteryRevealed(bars_.index); });
    OnIndexChanged();
}

RefractionFacts Panel::CurrentFacts() const {
    RefractionFacts facts = ComputeRefractionFacts(CurrentScene());
    facts.indexHidden = IndexHidden();
    return facts;
}

void Panel::OnAngleChanged() {
    surface_.Cls();
    // The exact view prints the message with its values, at their size.
    if (view_ == View::Classic) {
        surface_.SetCurrent(kMessageX, kMessageY);
        surface_.Print(CriticalMessage(CurrentScene().verdict));
    }
    messageShown_ = view_ == View::Classic;
    WriteCaption(Control::AngleLabel, AngleCaption(bars_.angle));
    DrawSelectedMode();
}

void Panel::OnTimeChanged() {
    surface_.Cls();
    messageShown_ = false;
    timeCaption_ = TimeCaption::TimeBar;
    WriteCaption(Control::TimeLabel, TimeBarCaption(bars_.time, CurrentScene().period));
    DrawSelectedMode();
}

void Panel::OnWavesChanged() {
    surface_.Cls();
    messageShown_ = false;
    WriteCaption(Control::WavesLabel, WavesCaption(bars_.waves));
    DrawSelectedMode();
}

void Panel::OnIndexChanged() {
    surface_.Cls();
    messageShown_ = false;
    WriteCaption(Control::IndexLabel,
                 IndexHidden() ? HiddenIndexCaption() : IndexCaption(bars_.index));
    // C2 and the critical flag follow the index through the scene, so the
    // wavelet picture never draws the critical construction for an index
    // where the angle is not critical.
    DrawSelectedMode();
}

void Panel::OnContinuousClicked() {
    const bool alreadyThere = bars_.time == kContinuousStartTime;
    AssignBar(Bar::Time, kContinuousStartTime);
    // An unchanged bar raises no Change; the continuous picture must still show.
    if (alreadyThere) {
        OnTimeChanged();
    }
}

void Panel::OnStartClicked() {
    SetTimerEnabled(true);
}

void Panel::OnStopClicked() {
    SetTimerEnabled(false);
}

void Panel::OnTimerTick() {
    if (bars_.time >= SettingOf(Bar::Time).max) {
        SetTimerEnabled(false);
        Notify([](PanelObserver& o) { o.TimeEnded(); });
        return;
    }
    AssignBar(Bar::Time, bars_.time + 1);
}

void Panel::SetBar(Bar bar, int value) {
    if (bars_[bar] == value) {
        return;
    }
    bars_[bar] = static_cast<std::int16_t>(value);
    switch (bar) {
        case Bar::Angle:
            OnAngleChanged();
            break;
        case Bar::Index:
            OnIndexChanged();
            break;
        case Bar::Waves:
            OnWavesChanged();
            break;
        case Bar::Time:
            OnTimeChanged();
            break;
    }
    Notify([&](PanelObserver& o) { o.BarChanged(bar, value); });
}

void Panel::AssignBar(Bar bar, int value) {
    Notify([&](PanelObserver& o) { o.ValueAssigned(bar, value); });
    SetBar(bar, value);
}

void Panel::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    Notify([&](PanelObserver& o) { o.TimerEnabledWritten(enabled); });
}

void Panel::WriteCaption(Control label, const std::string& text) {
    Notify([&](PanelObserver& o) { o.CaptionWritten(label, text); });
}

void Panel::SetLabelFont(Control label, double points) {
    Notify([&](PanelObserver& o) { o.LabelFontSet(label, points); });
}

void Panel::Redraw() {
    if (started_) {
        surface_.Cls();
        messageShown_ = false;
        DrawSelectedMode();
    }
}

void Panel::DrawSelectedMode() {
    if (view_ == View::Exact) {
        DrawExact();
    } else if (mode_ == DisplayMode::Continuous) {
        DrawContinuous();
    } else {
        DrawWavelets();
    }
}

void Panel::DrawWavelets() {
    orvath::DrawWavelets(CurrentScene(), surface_, [this](const std::string& caption) {
        timeCaption_ = TimeCaption::Wavelets;
        WriteCaption(Control::TimeLabel, caption);
    });
    Notify([](PanelObserver& o) { o.PictureChanged(); });
}

void Panel::DrawContinuous() {
    orvath::DrawContinuous(CurrentScene(), surface_);
    Notify([](PanelObserver& o) { o.PictureChanged(); });
}

void Panel::DrawExact() {
    exact::DrawExactPicture(CurrentScene(), {mode_, reflection_, key_, theme_, IndexHidden()},
                            surface_);
    Notify([](PanelObserver& o) { o.PictureChanged(); });
}

}  // namespace orvath
