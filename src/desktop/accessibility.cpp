// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/accessibility.h"

#include <QLocale>

#include "desktop/orvath_window.h"
#include "model/info_text.h"
#include "model/refraction_facts.h"

namespace orvath {
namespace {

struct ControlText {
    Control control;
    const char* name;
    const char* toolTip;
    const char* description;
};

constexpr ControlText kControlTexts[] = {
    {Control::AngleBar, "Angle of incidence",
     "Angle of incidence: the angle between the incoming rays and the normal to the boundary, "
     "0 to 89 degrees",
     "Sets the angle between the incoming rays and the normal, 0 to 89 degrees."},
    {Control::TimeBar, "Time",
     "Time: how far the wave has travelled since it left its start front; the timer moves it",
     "Sets the time shown, 0 to 50 time units. The timer moves this bar."},
    {Control::WavesBar, "Number of waves",
     "Number of waves: how many rays and wavelets are drawn, 5 to 39",
     "Sets how many rays and wavelets are drawn, 5 to 39."},
    {Control::IndexBar, "Relative refractive index",
     "Relative refractive index n = c1 / c2, 0.50 to 3.00: below 1 the wave is faster under "
     "the boundary",
     "Sets the relative refractive index n = c1 / c2, 0.50 to 3.00, in steps of 0.01."},
    {Control::ContinuousOption, "Continuous",
     "Show the wave as continuous fronts crossing the boundary",
     "Shows the wave as continuous fronts crossing the boundary."},
    {Control::WaveletsOption, "Wavelets",
     "Show the construction: each point of a front sends out a wavelet, and their common "
     "tangent is the next front",
     "Shows the secondary-wavelet construction of the refracted front."},
    {Control::StartButton, "Start timer",
     "Start the timer: the time bar advances and the wave moves on (Space starts and stops it)",
     "Starts moving the time bar, one step each millisecond. Space starts and stops it."},
    {Control::StopButton, "Stop timer", "Stop the timer (Space starts and stops it)",
     "Stops the timer. Space starts and stops it."},
};

void Describe(QWidget& widget, const char* name, const char* toolTip, const char* description) {
    widget.setToolTip(QString::fromUtf8(toolTip));
    widget.setAccessibleName(QString::fromUtf8(name));
    widget.setAccessibleDescription(QString::fromUtf8(description));
}

}  // namespace

void DescribeControls(OrvathWindow& window) {
    for (const ControlText& text : kControlTexts) {
        Describe(window.ControlWidget(text.control), text.name, text.toolTip, text.description);
    }
    Describe(window.ExactSwitch(), "Exact view",
             "Draw the construction exactly as physics has it: true tangent points, the "
             "reflected wave and the proof of Snell's law (E)",
             "Switches between the classic and the exact view of the picture. E does the same.");
    Describe(window.ReflectionSwitch(), "Reflected wave",
             "Show the partially reflected wave in the exact view (R)",
             "Shows or hides the partially reflected wave below the critical angle in the exact "
             "view. R does the same.");
    window.CanvasWidget().setAccessibleName(QStringLiteral("Picture"));
    UpdateAngleDescription(window);
}

void UpdateAngleDescription(OrvathWindow& window) {
    const RefractionFacts facts =
        ComputeRefractionFacts(window.Model().State(), window.Model().Bars());
    const std::string description =
        AngleBarDescription(facts, QLocale().decimalPoint().toStdString());
    window.BarWidget(Bar::Angle).setAccessibleDescription(QString::fromStdString(description));
}

}  // namespace orvath
