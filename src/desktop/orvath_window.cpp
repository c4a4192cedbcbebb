// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/orvath_window.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>

#include "desktop/desktop_features.h"
#include "desktop/fonts.h"
#include "desktop/panel_fonts.h"
#include "model/bar_settings.h"
#include "model/captions.h"
#include "model/control_texts.h"
#include "panel/animation_stats.h"
#include "surface/theme.h"
#include "text/languages.h"
#include "text/translate.h"

namespace orvath {
namespace {

// A batch of overdue ticks yields to painting after this long.
constexpr qint64 kTickBatchMilliseconds = 12;
// The options' and the view switches' font, in points.
constexpr double kOptionFontPoints = 12;

QFont FontOf(const char* family, double points) {
    QFont font(QString::fromUtf8(family));
    font.setPointSizeF(points);
    return font;
}

// Captions are built with '.'; the window shows the locale's separator.
QString Localised(std::string_view caption) {
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    const QString point = QLocale().decimalPoint();
    if (point != ".") {
        text.replace('.', point);
    }
    return text;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Caption(const ControlText& text) {
    return FromView(text.caption);
}

// The original texts in the classic theme keep the form's fonts as they are;
// otherwise each text gets the largest font at which it fits its control.
bool FittedFonts(Theme theme) {
    return theme != Theme::Classic || CurrentLanguage() != kOriginalLanguage;
}

std::size_t At(Bar bar) {
    return static_cast<std::size_t>(bar);
}

}  // namespace

OrvathWindow::OrvathWindow(WindowWiring wiring)
    : canvas_(this),
      panel_(wiring.surface ? *wiring.surface : canvas_.Picture()),
      input_(canvas_, panel_, *this),
      realTimeTimer_(wiring.realTimeTimer),
      stats_(wiring.stats),
      continuousOption_(Caption(TextOf(Control::ContinuousOption)), this),
      waveletsOption_(Caption(TextOf(Control::WaveletsOption)), this),
      startButton_(Caption(TextOf(Control::StartButton)), this),
      stopButton_(Caption(TextOf(Control::StopButton)), this),
      exactSwitch_(Caption(ExactSwitchText()), this),
      reflectionSwitch_(Caption(ReflectionSwitchText()), this) {
    if (wiring.observer != nullptr) {
        panel_.AddObserver(*wiring.observer);
    }
    panel_.AddObserver(*this);
    SetUpControls();
    ConnectControls();
    canvas_.lower();
    canvas_.SetStats(stats_);

    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(MillisecondsPerTick(panel_.Speed()));
    connect(&clock_, &QTimer::timeout, this, [this] { OnClockTimeout(); });
}

OrvathWindow::~OrvathWindow() = default;

void OrvathWindow::SetUpControls() {
    setWindowTitle(FromView(Tr(kWindowTitle)));
    setObjectName(QStringLiteral("Orvath"));
    setFont(PrintFont());
    for (const Bar bar : kBars) {
        const BarSetting& setting = SettingOf(bar);
        QScrollBar& widget = BarWidget(bar);
        widget.setParent(this);
        widget.setOrientation(Qt::Horizontal);
        widget.setRange(setting.min, setting.max);
        widget.setSingleStep(setting.smallStep);
        widget.setPageStep(setting.largeStep);
        widget.setValue(panel_.Bars()[bar]);
        // Change is raised at every value the dragged thumb passes, so the
        // caption and the picture follow it; the repaints keep the display's pace.
        widget.setTracking(true);
        QLabel& label = LabelWidget(bar);
        label.setParent(this);
        label.setFont(FontOf("MS Sans Serif", kFormFontPoints));
        classicPoints_.at(static_cast<std::size_t>(LabelControl(bar))) = kFormFontPoints;
        label.setWordWrap(true);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        controls_.at(static_cast<std::size_t>(BarControl(bar))) = &widget;
        controls_.at(static_cast<std::size_t>(LabelControl(bar))) = &label;
    }
    for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
             &continuousOption_, &waveletsOption_, &exactSwitch_, &reflectionSwitch_}) {
        option->setFont(FontOf("Times New Roman", kOptionFontPoints));
    }
    exactSwitch_.setObjectName(QStringLiteral("ExactView"));
    reflectionSwitch_.setObjectName(QStringLiteral("Reflection"));
    exactSwitch_.setChecked(panel_.CurrentView() == View::Exact);
    reflectionSwitch_.setChecked(panel_.Reflection());
    waveletsOption_.setChecked(panel_.Mode() == DisplayMode::Wavelets);
    continuousOption_.setChecked(panel_.Mode() == DisplayMode::Continuous);
    for (const Button button :
         {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
        const auto at = static_cast<std::size_t>(ButtonControl(button));
        controls_.at(at) = &ButtonWidget(button);
        const bool option = button == Button::Continuous || button == Button::Wavelets;
        classicPoints_.at(at) = option ? kOptionFontPoints : kFormFontPoints;
    }
    for (const Control control : kControls) {
        ControlWidget(control).setObjectName(QString::fromUtf8(ControlName(control)));
    }
}

void OrvathWindow::ConnectControls() {
    for (const Bar bar : kBars) {
        connect(&BarWidget(bar), &QScrollBar::valueChanged, this,
                [this, bar](int value) { panel_.MoveBar(bar, value); });
    }
    // An option raises Click only when it becomes selected.
    connect(&continuousOption_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            panel_.Click(Button::Continuous);
        }
    });
    connect(&waveletsOption_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            panel_.Click(Button::Wavelets);
        }
    });
    connect(&exactSwitch_, &QCheckBox::toggled, this,
            [this](bool on) { panel_.SetView(on ? View::Exact : View::Classic); });
    connect(&reflectionSwitch_, &QCheckBox::toggled, this,
            [this](bool on) { panel_.SetReflection(on); });
    connect(&startButton_, &QPushButton::clicked, this, [this] { panel_.Click(Button::Start); });
    connect(&stopButton_, &QPushButton::clicked, this, [this] { panel_.Click(Button::Stop); });
}

void OrvathWindow::StartUp(const ScreenInfo& screen) {
    move(screen.geometry.topLeft());
    resize(screen.geometry.size());
    canvas_.setGeometry(rect());
    panel_.StartUp(static_cast<float>(width() * screen.twipsPerPixel),
                   static_cast<float>(height() * screen.twipsPerPixel));
}

DesktopFeatures& OrvathWindow::AddDesktopFeatures() {
    if (!desktop_) {
        desktop_ = std::make_unique<DesktopFeatures>(*this);
    }
    return *desktop_;
}

QScrollBar& OrvathWindow::BarWidget(Bar bar) {
    return bars_.at(At(bar));
}

QLabel& OrvathWindow::LabelWidget(Bar bar) {
    return labels_.at(At(bar));
}

const QLabel& OrvathWindow::LabelWidget(Bar bar) const {
    return labels_.at(At(bar));
}

QAbstractButton& OrvathWindow::ButtonWidget(Button button) {
    const std::array<QAbstractButton*, 4> buttons = {&continuousOption_, &waveletsOption_,
                                                     &startButton_, &stopButton_};
    return *buttons.at(static_cast<std::size_t>(button));
}

QWidget& OrvathWindow::ControlWidget(Control control) {
    return *controls_.at(static_cast<std::size_t>(control));
}

void OrvathWindow::MoveBar(Bar bar, int value) {
    BarWidget(bar).setValue(value);
}

void OrvathWindow::Click(Button button) {
    ButtonWidget(button).click();
}

void OrvathWindow::DeliverTicks(int count) {
    panel_.DeliverTicks(count);
}

void OrvathWindow::SetView(View view) {
    exactSwitch_.setChecked(view == View::Exact);
}

void OrvathWindow::SetReflection(bool shown) {
    reflectionSwitch_.setChecked(shown);
}

void OrvathWindow::SetKey(bool shown) {
    panel_.SetKey(shown);
}

void OrvathWindow::StartMystery(int seed) {
    panel_.StartMystery(seed);
}

void OrvathWindow::Guess(std::string_view typed) {
    panel_.Guess(typed);
}

void OrvathWindow::RevealMystery() {
    panel_.RevealMystery();
}

void OrvathWindow::MysteryStarted(int /*seed*/) {
    BarWidget(Bar::Index).setVisible(false);
}

void OrvathWindow::MysteryRevealed(int /*indexTimes100*/) {
    BarWidget(Bar::Index).setVisible(true);
}

void OrvathWindow::SetTheme(Theme theme) {
    panel_.SetTheme(theme);
    canvas_.SetTheme(theme);
    ScaleFonts();
}

void OrvathWindow::ScaleFont(QWidget& widget, double classicPoints) const {
    QFont font = widget.font();
    font.setPointSizeF(classicPoints * FontScale(CurrentTheme()));
    widget.setFont(font);
}

void OrvathWindow::RewriteTexts() {
    setWindowTitle(FromView(Tr(kWindowTitle)));
    for (const Button button :
         {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
        ButtonWidget(button).setText(Caption(TextOf(ButtonControl(button))));
    }
    exactSwitch_.setText(Caption(ExactSwitchText()));
    reflectionSwitch_.setText(Caption(ReflectionSwitchText()));
    panel_.RewriteTexts();
    ScaleFonts();
}

void OrvathWindow::ScaleFonts() {
    if (!FittedFonts(CurrentTheme())) {
        for (const Control control : kControls) {
            if (const double points = classicPoints_.at(static_cast<std::size_t>(control));
                points > 0) {
                ScaleFont(ControlWidget(control), points);
            }
        }
        ScaleFont(exactSwitch_, kOptionFontPoints);
        ScaleFont(reflectionSwitch_, kOptionFontPoints);
        return;
    }
    // Larger where each text still fits its control: the labels all by one
    // factor, each on one line with room for its widest captions and clear of
    // the others; each button, option and switch by itself.
    const double scale = FontScale(CurrentTheme());
    const double period = panel_.CurrentScene().period;
    std::vector<LabelToFit> labels;
    for (const Bar bar : kBars) {
        QLabel& label = LabelWidget(bar);
        QStringList texts = {label.text()};
        for (const std::string& caption : CaptionsAtTheEnds(bar, period)) {
            texts.append(Localised(caption));
        }
        labels.push_back(
            {&label, texts, classicPoints_.at(static_cast<std::size_t>(LabelControl(bar)))});
    }
    FitLabels(labels, scale, kLeastPanelFontPoints / kFormFontPoints);
    for (const Button button :
         {Button::Continuous, Button::Wavelets, Button::Start, Button::Stop}) {
        FitButton(ButtonWidget(button),
                  classicPoints_.at(static_cast<std::size_t>(ButtonControl(button))) * scale,
                  kLeastPanelFontPoints);
    }
    for (QCheckBox* box : {&exactSwitch_, &reflectionSwitch_}) {
        FitButton(*box, kOptionFontPoints * scale, kLeastPanelFontPoints);
    }
}

void OrvathWindow::Placed(Control control, const ControlRect& r) {
    const PixelRect pixels =
        panel_.MappingOnto(width(), height()).ToPixelRect(r.left, r.top, r.width, r.height);
    const QRect geometry(pixels.left, pixels.top, pixels.width, pixels.height);
    ControlWidget(control).setGeometry(geometry);
    if (control == Control::WaveletsOption) {
        PlaceSwitches(geometry);
    }
}

void OrvathWindow::PlaceSwitches(const QRect& waveletsOption) {
    QRect slot = waveletsOption;
    for (QCheckBox* box : {&exactSwitch_, &reflectionSwitch_}) {
        slot.moveLeft(slot.right() + 1);
        slot.setWidth(std::max(waveletsOption.width() * 2 / 3, box->sizeHint().width()));
        box->setGeometry(slot);
    }
}

void OrvathWindow::LabelFontSet(Control label, double points) {
    classicPoints_.at(static_cast<std::size_t>(label)) = points;
    if (!FittedFonts(CurrentTheme())) {
        ScaleFont(ControlWidget(label), points);
    } else {
        ScaleFonts();
    }
}

void OrvathWindow::CaptionWritten(Control label, std::string_view text) {
    dynamic_cast<QLabel&>(ControlWidget(label)).setText(Localised(text));
}

void OrvathWindow::BarChanged(Bar bar, int value) {
    const QSignalBlocker blocker(BarWidget(bar));
    BarWidget(bar).setValue(value);
}

void OrvathWindow::OptionSelected(DisplayMode mode) {
    const QSignalBlocker continuous(continuousOption_);
    const QSignalBlocker wavelets(waveletsOption_);
    (mode == DisplayMode::Continuous ? continuousOption_ : waveletsOption_).setChecked(true);
}

void OrvathWindow::ViewChanged(View view) {
    const QSignalBlocker blocker(exactSwitch_);
    exactSwitch_.setChecked(view == View::Exact);
}

void OrvathWindow::ReflectionChanged(bool shown) {
    const QSignalBlocker blocker(reflectionSwitch_);
    reflectionSwitch_.setChecked(shown);
}

void OrvathWindow::TimerEnabledWritten(bool enabled) {
    if (!realTimeTimer_ || enabled == clock_.isActive()) {
        return;
    }
    if (enabled) {
        schedule_.Start(TickSchedule::Clock::now(), panel_.Speed());
        clock_.start();
    } else {
        clock_.stop();
    }
    if (stats_ != nullptr) {
        enabled ? stats_->TimerStarted() : stats_->TimerStopped();
    }
}

void OrvathWindow::SpeedChanged(TimerSpeed speed) {
    if (clock_.isActive()) {
        schedule_.ChangeSpeed(TickSchedule::Clock::now(), speed);
    }
    clock_.setInterval(MillisecondsPerTick(speed));
    if (stats_ != nullptr) {
        stats_->SpeedSet(speed);
    }
}

void OrvathWindow::TimeEnded() {
    emit TimeRanOut();
}

void OrvathWindow::Shown() {
    if (realTimeTimer_) {
        show();
    }
}

void OrvathWindow::PictureChanged() {
    canvas_.update();
    input_.ShowHands();
}

// Delivers every tick that has fallen due since the timer was enabled, one
// complete redraw each, so the animation keeps its pace (one step per
// millisecond at full speed) however long a redraw or a paint takes. A long
// batch yields to painting.
void OrvathWindow::OnClockTimeout() {
    QElapsedTimer batch;
    batch.start();
    while (panel_.TimerEnabled() && schedule_.Due(TickSchedule::Clock::now()) > 0 &&
           batch.elapsed() < kTickBatchMilliseconds) {
        schedule_.Delivered();
        if (stats_ != nullptr) {
            stats_->TickDelivered();
        }
        panel_.Tick();
    }
}

}  // namespace orvath
