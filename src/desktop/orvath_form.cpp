// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/orvath_form.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "continuous/draw_continuous.h"
#include "model/captions.h"
#include "model/critical_angle.h"
#include "panel/animation_stats.h"
#include "wavelets/draw_wavelets.h"

namespace orvath {
namespace {

// The last value the time bar can take; a tick there stops the timer.
constexpr int kLastTime = 5000;
// Where the critical-angle message is printed, in world units.
constexpr float kMessageX = -50;
constexpr float kMessageY = 70;
// A batch of overdue ticks yields to painting after this long.
constexpr qint64 kTickBatchMilliseconds = 12;

void SetUpBar(QScrollBar& bar, int min, int max, int smallChange, int largeChange, int value) {
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(min, max);
    bar.setSingleStep(smallChange);
    bar.setPageStep(largeChange);
    bar.setValue(value);
    // Change is raised when the value is set, not while the thumb is dragged.
    bar.setTracking(false);
}

QFont LabelFont() {
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    return font;
}

// Captions are built with '.'; the window shows the locale's separator.
QString Localised(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    const QString point = QLocale().decimalPoint();
    if (point != ".") {
        text.replace('.', point);
    }
    return text;
}

}  // namespace

OrvathForm::OrvathForm(FormWiring wiring)
    : canvas_(this),
      surface_(wiring.surface ? wiring.surface : &canvas_.picture()),
      observer_(wiring.observer ? wiring.observer : &silentObserver_),
      realTimeTimer_(wiring.realTimeTimer),
      stats_(wiring.stats),
      prosptosis(this),
      Label1(this),
      xronos(this),
      Label2(this),
      arithkyMATON(this),
      Label3(this),
      Option1("CONTINUOUS", this),
      Option2("WAVELETS", this),
      N_REFR(this),
      Label4(this),
      Command1("TIMER", this),
      Command2("STOP TIMER", this) {
    setWindowTitle("Orvath PRINCIPLE");
    QFont formFont("Times New Roman");
    formFont.setPointSizeF(8.25);
    setFont(formFont);

    SetUpBar(prosptosis, 0, 89, 1, 5, 25);
    SetUpBar(xronos, 0, 5000, 2, 50, 2000);
    SetUpBar(arithkyMATON, 5, 39, 2, 2, 10);
    SetUpBar(N_REFR, 50, 300, 1, 10, 50);
    for (QLabel* label : {&Label1, &Label2, &Label3, &Label4}) {
        label->setFont(LabelFont());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (QRadioButton* option : {&Option1, &Option2}) {
        option->setFont(QFont("Times New Roman", 12));
    }
    Option2.setChecked(true);
    setObjectName("Orvath");
    for (std::size_t i = 0; i < kPlacedControls; ++i) {
        const auto id = static_cast<ControlId>(i);
        WidgetFor(id).setObjectName(QString::fromUtf8(ControlName(id)));
    }
    canvas_.lower();
    canvas_.SetStats(stats_);

    connect(&prosptosis, &QScrollBar::valueChanged, this, [this] { prosptosis_Change(); });
    connect(&xronos, &QScrollBar::valueChanged, this, [this] { xronos_Change(); });
    connect(&arithkyMATON, &QScrollBar::valueChanged, this, [this] { arithkyMATON_Change(); });
    connect(&N_REFR, &QScrollBar::valueChanged, this, [this] { N_REFR_Change(); });
    // Click is raised only when the option becomes selected.
    connect(&Option1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Option1_Click();
        }
    });
    connect(&Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(&Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(1);
    connect(&clock_, &QTimer::timeout, this, [this] { OnClockTimeout(); });
}

BarValues OrvathForm::Bars() const {
    return {
        static_cast<std::int16_t>(prosptosis.value()), static_cast<std::int16_t>(N_REFR.value()),
        static_cast<std::int16_t>(arithkyMATON.value()), static_cast<std::int16_t>(xronos.value())};
}

void OrvathForm::FitToScreen(const QRect& screen) {
    move(screen.topLeft());
    resize(screen.size());
    canvas_.setGeometry(rect());
}

void OrvathForm::Place(ControlId id, const ControlRect& r) {
    const double worldWidth = static_cast<double>(state_.XRight) - state_.XLeft;
    const double worldHeight = state_.YTop - state_.YBottom;
    const double px = width() / worldWidth;
    const double py = height() / worldHeight;
    const QPointF topLeft((r.Left - state_.XLeft) * px, (state_.YTop - r.Top) * py);
    const QPointF bottomRight(topLeft.x() + r.Width * px, topLeft.y() + r.Height * py);
    WidgetFor(id).setGeometry(QRectF(topLeft, bottomRight).toRect());
    observer_->Placed(id, r);
}

void OrvathForm::SetLabelFontSize(ControlId label, double points) {
    QFont font = LabelFor(label).font();
    font.setPointSizeF(points);
    LabelFor(label).setFont(font);
}

void OrvathForm::WriteCaption(ControlId label, const std::string& text) {
    observer_->CaptionWritten(ControlName(label), text);
    LabelFor(label).setText(Localised(text));
}

QString OrvathForm::CaptionShown(ControlId label) const {
    return const_cast<OrvathForm*>(this)->LabelFor(label).text();
}

void OrvathForm::Show() {
    observer_->Shown();
    if (realTimeTimer_) {
        show();
    }
}

void OrvathForm::DrawWavelets() {
    orvath::DrawWavelets(state_, Bars(), *surface_, [this](const std::string& caption) {
        WriteCaption(ControlId::Label2, caption);
    });
    canvas_.update();
}

void OrvathForm::DrawContinuous() {
    orvath::DrawContinuous(state_, Bars(), *surface_);
    canvas_.update();
}

void OrvathForm::DrawSelectedMode() {
    if (Option1.isChecked()) {
        DrawContinuous();
    } else if (Option2.isChecked()) {
        DrawWavelets();
    }
}

void OrvathForm::RedrawScene() {
    surface_->Cls();
    DrawSelectedMode();
}

void OrvathForm::prosptosis_Change() {
    surface_->Cls();
    state_.Pi = ComputePi();
    const CriticalVerdict verdict =
        TestCriticalAngle(state_.Pi, Bars().prosptosis, state_.C2, state_.C1);
    state_.CriticalFlag = CriticalFlagFor(verdict);
    surface_->SetCurrent(kMessageX, kMessageY);
    surface_->Print(CriticalMessage(verdict));
    WriteCaption(ControlId::Label1, AngleCaption(Bars().prosptosis));
    DrawSelectedMode();
}

void OrvathForm::xronos_Change() {
    surface_->Cls();
    WriteCaption(ControlId::Label2, TimeBarCaption(Bars().xronos, state_.T));
    DrawSelectedMode();
}

void OrvathForm::arithkyMATON_Change() {
    surface_->Cls();
    WriteCaption(ControlId::Label3, WavesCaption(Bars().arithkyMATON));
    DrawSelectedMode();
}

void OrvathForm::N_REFR_Change() {
    surface_->Cls();
    WriteCaption(ControlId::Label4, IndexCaption(Bars().N_REFR));
    state_.C2 = SpeedInMedium2(state_.C1, Bars().N_REFR);
    // The flag follows the index too, so the wavelet picture never draws the
    // critical construction for an index where the angle is not critical.
    state_.CriticalFlag =
        CriticalFlagFor(TestCriticalAngle(ComputePi(), Bars().prosptosis, state_.C2, state_.C1));
    DrawSelectedMode();
}

void OrvathForm::Option1_Click() {
    const int before = xronos.value();
    AssignBarValue(xronos, ControlId::xronos, 5);
    // An unchanged bar raises no Change; the continuous picture must still show.
    if (before == 5) {
        xronos_Change();
    }
}

void OrvathForm::Command1_Click() {
    SetTimerEnabled(true);
}

void OrvathForm::Command2_Click() {
    SetTimerEnabled(false);
}

void OrvathForm::Timer1_Timer() {
    if (xronos.value() >= kLastTime) {
        SetTimerEnabled(false);
        emit TimeRanOut();
        return;
    }
    AssignBarValue(xronos, ControlId::xronos, xronos.value() + 1);
}

void OrvathForm::AssignBarValue(QScrollBar& bar, ControlId id, int value) {
    observer_->ValueAssigned(ControlName(id), value);
    bar.setValue(value);
}

void OrvathForm::SetTimerEnabled(bool enabled) {
    observer_->TimerEnabledWritten(enabled);
    if (enabled == timer1Enabled_) {
        return;
    }
    timer1Enabled_ = enabled;
    if (!realTimeTimer_) {
        return;
    }
    if (enabled) {
        ticksDelivered_ = 0;
        sinceEnabled_.start();
        clock_.start();
    } else {
        clock_.stop();
    }
    if (stats_ != nullptr) {
        enabled ? stats_->TimerStarted() : stats_->TimerStopped();
    }
}

// Delivers every tick that has fallen due since the timer was enabled, one
// complete redraw each, so the animation keeps one step per millisecond
// however long a redraw or a paint takes. A long batch yields to painting.
void OrvathForm::OnClockTimeout() {
    QElapsedTimer batch;
    batch.start();
    while (timer1Enabled_ && ticksDelivered_ < sinceEnabled_.elapsed() &&
           batch.elapsed() < kTickBatchMilliseconds) {
        ++ticksDelivered_;
        if (stats_ != nullptr) {
            stats_->TickDelivered();
        }
        Timer1_Timer();
    }
}

void OrvathForm::MoveBar(ControlId id, int value) {
    BarFor(id).setValue(value);
}

void OrvathForm::Click(ControlId id) {
    switch (id) {
        case ControlId::Option1:
            Option1.click();
            break;
        case ControlId::Option2:
            Option2.click();
            break;
        case ControlId::Command1:
            Command1.click();
            break;
        case ControlId::Command2:
            Command2.click();
            break;
        default:
            break;
    }
}

void OrvathForm::DeliverTicks(int count) {
    for (int i = 0; i < count && timer1Enabled_; ++i) {
        Timer1_Timer();
    }
}

QScrollBar& OrvathForm::BarFor(ControlId id) {
    switch (id) {
        case ControlId::prosptosis:
            return prosptosis;
        case ControlId::N_REFR:
            return N_REFR;
        case ControlId::arithkyMATON:
            return arithkyMATON;
        default:
            return xronos;
    }
}

QLabel& OrvathForm::LabelFor(ControlId id) {
    switch (id) {
        case ControlId::Label1:
            return Label1;
        case ControlId::Label2:
            return Label2;
        case ControlId::Label3:
            return Label3;
        default:
            return Label4;
    }
}

QWidget& OrvathForm::WidgetFor(ControlId id) {
    switch (id) {
        case ControlId::prosptosis:
        case ControlId::xronos:
        case ControlId::arithkyMATON:
        case ControlId::N_REFR:
            return BarFor(id);
        case ControlId::Label1:
        case ControlId::Label2:
        case ControlId::Label3:
        case ControlId::Label4:
            return LabelFor(id);
        case ControlId::Option1:
            return Option1;
        case ControlId::Option2:
            return Option2;
        case ControlId::Command1:
            return Command1;
        case ControlId::Command2:
            break;
    }
    return Command2;
}

}  // namespace orvath
