// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bar_settings.h"
#include "model/refraction_facts.h"
#include "model/scene.h"
#include "model/timer_speed.h"
#include "panel/panel_observer.h"
#include "panel/user_actions.h"
#include "surface/screen_mapping.h"
#include "surface/surface.h"
#include "surface/theme.h"

namespace orvath {

// The control panel's logic without any toolkit: the four bar values, the
// selected option, the timer's Enabled and the simulation state, with the
// handlers that redraw the picture on a surface. What it does to its
// controls is reported to its observers; a window or a web page shows it.
class Panel : public UserActions {
  public:
    explicit Panel(Surface& surface);

    // Observers are told in the order they were added; one that goes before
    // the panel removes itself.
    void AddObserver(PanelObserver& observer);
    void RemoveObserver(PanelObserver& observer);

    // Start-up for a client area of the given size in twips: sets the world
    // frame, places the controls, writes the first captions, shows the
    // window, sets the physical constants and draws the first picture. It
    // assigns no bar value, so no handler runs.
    void StartUp(float clientWidthTwips, float clientHeightTwips);

    void MoveBar(Bar bar, int value) override;
    void Click(Button button) override;
    void DeliverTicks(int count) override;
    // Either switch redraws at once when it changes what is shown; before
    // start-up it only chooses how the first picture is drawn.
    void SetView(View view) override;
    void SetReflection(bool shown) override;
    // One timer interval: runs the tick handler while the timer is enabled.
    void Tick();

    // Selects "WAVELETS" and moves every bar back to its start value, as a
    // user would; the picture is redrawn also when no bar had to move.
    void ResetToStart();
    // Clicks "STOP TIMER" while the timer runs, "TIMER" otherwise.
    void StartOrStopTimer();

    // While the timer is stopped, moves the time bar by `steps` (back when
    // negative) as a user would, so its Change runs; the bar's ends stop it.
    void StepTime(int steps);
    // The same by whole periods of the picture shown (TimeStepsPerPeriod).
    void StepPeriods(int periods);
    // How fast the timer runs in real time; ticks and pictures stay the same.
    void SetSpeed(TimerSpeed speed);
    // The exact view's texts grow with the theme, and its key can be hidden;
    // either redraws the exact view at once.
    void SetTheme(Theme theme);
    void SetKey(bool shown) override;
    // After a change of language: every caption written again in the form it
    // has, and the picture redrawn where it holds a text, as it was.
    void RewriteTexts();
    // While a mystery medium is on, the index bar keeps the hidden index:
    // moving it does nothing, and every text that would tell the index
    // shows kHiddenValue. Starting one while another is on draws anew.
    void StartMystery(int seed) override;
    void Guess(std::string_view typed) override;
    void RevealMystery() override;

    const BarValues& Bars() const { return bars_; }
    DisplayMode Mode() const { return mode_; }
    bool TimerEnabled() const { return timerEnabled_; }
    View CurrentView() const { return view_; }
    bool Reflection() const { return reflection_; }
    TimerSpeed Speed() const { return speed_; }
    Theme CurrentTheme() const { return theme_; }
    bool Key() const { return key_; }
    // The seed of the mystery medium on, if one is.
    std::optional<int> MysterySeed() const { return mysterySeed_; }
    bool IndexHidden() const { return mysterySeed_.has_value(); }
    // The physics of the picture shown, with what a mystery hides left out.
    RefractionFacts CurrentFacts() const;
    // What a redraw now reads: the bars on the client area of start-up.
    Scene CurrentScene() const { return MakeScene(bars_, client_); }
    // The world frame of start-up.
    WorldFrame Frame() const;
    // The world frame of start-up onto a drawing area of that many pixels,
    // shown at the zoom.
    ScreenMapping MappingOnto(double widthPx, double heightPx, const Zoom& zoom = {}) const;

  private:
    // The handlers, one per handled event.
    void OnAngleChanged();
    void OnTimeChanged();
    void OnWavesChanged();
    void OnIndexChanged();
    void OnContinuousClicked();
    void OnStartClicked();
    void OnStopClicked();
    void OnTimerTick();

    // Stores a new value and raises the bar's Change; an unchanged value
    // raises nothing.
    void SetBar(Bar bar, int value);
    // A value assigned by code rather than by the user.
    void AssignBar(Bar bar, int value);
    void SetTimerEnabled(bool enabled);
    void WriteCaption(Control label, const std::string& text);
    void SetLabelFont(Control label, double points);

    // Calls the renderer of the selected option.
    void DrawSelectedMode();
    void DrawWavelets();
    void DrawContinuous();
    void DrawExact();
    void Redraw();

    template <typename Call>
    void Notify(const Call& call) {
        for (PanelObserver* observer : observers_) {
            call(*observer);
        }
    }

    Surface& surface_;
    std::vector<PanelObserver*> observers_;
    ClientArea client_;
    BarValues bars_ = StartValues();
    DisplayMode mode_ = DisplayMode::Wavelets;
    bool timerEnabled_ = false;
    View view_ = View::Classic;
    bool reflection_ = false;
    TimerSpeed speed_ = TimerSpeed::Full;
    Theme theme_ = Theme::Classic;
    bool key_ = true;
    bool started_ = false;
    // The time label's caption is in the form start-up, the time bar or the
    // wavelet picture wrote last.
    enum class TimeCaption { StartUp, TimeBar, Wavelets };
    TimeCaption timeCaption_ = TimeCaption::StartUp;
    // The classic picture holds the critical-angle message.
    bool messageShown_ = false;
    std::optional<int> mysterySeed_;
};

}  // namespace orvath
