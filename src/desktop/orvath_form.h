// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <string>

#include "desktop/canvas.h"
#include "model/panel_layout.h"
#include "model/simulation_state.h"
#include "panel/control_observer.h"

namespace orvath {

class AnimationStats;

// How a form is wired: the surface it draws on (its own canvas when null),
// who watches its controls, whether "TIMER" runs a real clock, and what
// counts its ticks and painted frames (nothing when null).
struct FormWiring {
    Surface* surface = nullptr;
    ControlObserver* observer = nullptr;
    bool realTimeTimer = true;
    AnimationStats* stats = nullptr;
};

// The program's one window "Orvath PRINCIPLE": the drawing area and the
// control panel with its handlers. It owns the simulation state.
class OrvathForm : public QWidget {
    Q_OBJECT
  public:
    explicit OrvathForm(FormWiring wiring = {});

    // What start-up uses.
    SimulationState& State() { return state_; }
    Surface& Draw() { return *surface_; }
    BarValues Bars() const;
    void FitToScreen(const QRect& screen);
    QSize ClientSizePixels() const { return size(); }
    void Place(ControlId id, const ControlRect& rect);
    void SetLabelFontSize(ControlId label, double points);
    void WriteCaption(ControlId label, const std::string& text);
    void Show();
    void DrawWavelets();

    // What a user does.
    void MoveBar(ControlId bar, int value);
    void Click(ControlId button);
    // Lets `count` timer intervals pass; stops early once the timer is off.
    void DeliverTicks(int count);

    bool TimerEnabled() const { return timer1Enabled_; }
    bool ContinuousSelected() const { return Option1.isChecked(); }
    QString CaptionShown(ControlId label) const;
    Canvas& CanvasWidget() { return canvas_; }

    // Handlers, one per handled event.
    void prosptosis_Change();
    void xronos_Change();
    void arithkyMATON_Change();
    void N_REFR_Change();
    void Option1_Click();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

  signals:
    // The timer has stopped itself at the end of the time bar.
    void TimeRanOut();

  private:
    void DrawSelectedMode();
    void RedrawScene();
    void DrawContinuous();
    void AssignBarValue(QScrollBar& bar, ControlId id, int value);
    void SetTimerEnabled(bool enabled);
    void OnClockTimeout();
    QScrollBar& BarFor(ControlId id);
    QLabel& LabelFor(ControlId id);
    QWidget& WidgetFor(ControlId id);

    SimulationState state_;
    Canvas canvas_;
    Surface* surface_;
    ControlObserver silentObserver_;
    ControlObserver* observer_;
    bool realTimeTimer_;
    AnimationStats* stats_;

    QScrollBar prosptosis;
    QLabel Label1;
    QScrollBar xronos;
    QLabel Label2;
    QScrollBar arithkyMATON;
    QLabel Label3;
    QRadioButton Option1;
    QRadioButton Option2;
    QScrollBar N_REFR;
    QLabel Label4;
    QPushButton Command1;
    QPushButton Command2;

    // Timer1: Enabled as the program sees it, and the clock that makes it
    // tick once per millisecond in the window.
    bool timer1Enabled_ = false;
    QTimer clock_;
    QElapsedTimer sinceEnabled_;
    qint64 ticksDelivered_ = 0;
};

}  // namespace orvath
