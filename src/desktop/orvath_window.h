// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "desktop/canvas.h"
#include "desktop/picture_input.h"
#include "model/world_frame.h"
#include "panel/panel.h"
#include "panel/tick_schedule.h"
#include "surface/theme.h"

namespace orvath {

class AnimationStats;
class DesktopFeatures;

// How a window is wired: the surface its panel draws on (its own canvas when
// null), who else watches the panel (told before the window), whether
// "TIMER" runs a real clock, and what counts ticks and painted frames.
struct WindowWiring {
    Surface* surface = nullptr;
    PanelObserver* observer = nullptr;
    bool realTimeTimer = true;
    AnimationStats* stats = nullptr;
};

// The screen the window is fitted to, and how many twips one of its pixels
// is (15 at 96 dots per inch).
struct ScreenInfo {
    QRect geometry;
    double twipsPerPixel = kTwipsPerPixel;
};

// The program's one window "Orvath PRINCIPLE": the drawing area and the
// control panel. It is a view of the panel model: the widgets pass what the
// user does on to the model and show the model's captions and values. It
// adds the real-time pacing of the timer, at the panel's speed, and the
// theme.
class OrvathWindow : public QWidget, public UserActions, private PanelObserver {
    Q_OBJECT
  public:
    explicit OrvathWindow(WindowWiring wiring = {});
    ~OrvathWindow() override;

    // Start-up: fits the window to the screen, then starts the panel for the
    // client area.
    void StartUp(const ScreenInfo& screen);
    // Adds the keys, screen-reader texts, information box and picture saving
    // of the desktop program; once.
    DesktopFeatures& AddDesktopFeatures();

    // What a user does, done to the widgets as the user would do it.
    void MoveBar(Bar bar, int value) override;
    void Click(Button button) override;
    void DeliverTicks(int count) override;
    void SetView(View view) override;
    void SetReflection(bool shown) override;
    void SetKey(bool shown) override;
    void StartMystery(int seed) override;
    void Guess(std::string_view typed) override;
    void RevealMystery() override;

    // Paints the picture and sizes the panel's fonts in the theme; the
    // controls stay where they are.
    void SetTheme(Theme theme);
    // After a change of language: the title, the texts on the options,
    // switches and buttons and the panel's captions written anew, the
    // panel's fonts fitted to them, the picture redrawn.
    void RewriteTexts();
    Theme CurrentTheme() const { return canvas_.CurrentTheme(); }

    Panel& Model() { return panel_; }
    const Panel& Model() const { return panel_; }
    Canvas& CanvasWidget() { return canvas_; }
    const Canvas& CanvasWidget() const { return canvas_; }
    // The hands on the picture: turning the rays, zoom and pan.
    PictureHands& Hands() { return input_.Hands(); }
    QScrollBar& BarWidget(Bar bar);
    QLabel& LabelWidget(Bar bar);
    const QLabel& LabelWidget(Bar bar) const;
    QAbstractButton& ButtonWidget(Button button);
    QWidget& ControlWidget(Control control);
    // The switches of the teaching views, beside the option buttons: "EXACT"
    // and "REFLECTION".
    QCheckBox& ExactSwitch() { return exactSwitch_; }
    QCheckBox& ReflectionSwitch() { return reflectionSwitch_; }

  signals:
    // The timer has stopped itself at the end of the time bar.
    void TimeRanOut();

  private:
    // The panel's reports, shown on the widgets.
    void Placed(Control control, const ControlRect& rect) override;
    void LabelFontSet(Control label, double points) override;
    void CaptionWritten(Control label, std::string_view text) override;
    void BarChanged(Bar bar, int value) override;
    void OptionSelected(DisplayMode mode) override;
    void ViewChanged(View view) override;
    void ReflectionChanged(bool shown) override;
    void TimerEnabledWritten(bool enabled) override;
    void SpeedChanged(TimerSpeed speed) override;
    void TimeEnded() override;
    void Shown() override;
    void PictureChanged() override;
    // The index bar is put away while a mystery medium hides the index: its
    // place would tell it.
    void MysteryStarted(int seed) override;
    void MysteryRevealed(int indexTimes100) override;

    void SetUpControls();
    void ConnectControls();
    // Puts the view switches to the right of the "WAVELETS" button.
    void PlaceSwitches(const QRect& waveletsOption);
    void OnClockTimeout();
    // Sizes a control's font for the theme from its classic size.
    void ScaleFont(QWidget& widget, double classicPoints) const;
    void ScaleFonts();

    Canvas canvas_;
    Panel panel_;
    PictureInput input_;
    bool realTimeTimer_;
    AnimationStats* stats_;

    // In the order of Bar.
    std::array<QScrollBar, 4> bars_;
    std::array<QLabel, 4> labels_;
    QRadioButton continuousOption_;
    QRadioButton waveletsOption_;
    QPushButton startButton_;
    QPushButton stopButton_;
    std::array<QWidget*, kControlCount> controls_{};
    QCheckBox exactSwitch_;
    QCheckBox reflectionSwitch_;
    // The font size of each control with a text in the classic theme.
    std::array<double, kControlCount> classicPoints_{};

    // The clock that wakes the enabled timer once per tick of its speed.
    QTimer clock_;
    TickSchedule schedule_;

    std::unique_ptr<DesktopFeatures> desktop_;
};

}  // namespace orvath
