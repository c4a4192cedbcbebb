// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/accessibility.h"

#include <QLocale>

#include "desktop/orvath_form.h"
#include "model/info_text.h"
#include "model/refraction_facts.h"

namespace orvath {
namespace {

struct ControlText {
    ControlId id;
    const char* name;
    const char* toolTip;
    const char* description;
};

constexpr ControlText kControlTexts[] = {
    {ControlId::prosptosis, "Angle of incidence",
     "Angle of incidence: the angle between the incoming rays and the normal to the boundary, "
     "0 to 89 degrees",
     "Sets the angle between the incoming rays and the normal, 0 to 89 degrees."},
    {ControlId::xronos, "Time",
     "Time: how far the wave has travelled since it left its start front; the timer moves it",
     "Sets the time shown, 0 to 50 time units. The timer moves this bar."},
    {ControlId::arithkyMATON, "Number of waves",
     "Number of waves: how many rays and wavelets are drawn, 5 to 39",
     "Sets how many rays and wavelets are drawn, 5 to 39."},
    {ControlId::N_REFR, "Relative refractive index",
     "Relative refractive index n = c1 / c2, 0.50 to 3.00: below 1 the wave is faster under "
     "the boundary",
     "Sets the relative refractive index n = c1 / c2, 0.50 to 3.00, in steps of 0.01."},
    {ControlId::Option1, "Continuous", "Show the wave as continuous fronts crossing the boundary",
     "Shows the wave as continuous fronts crossing the boundary."},
    {ControlId::Option2, "Wavelets",
     "Show the construction: each point of a front sends out a wavelet, and their common "
     "tangent is the next front",
     "Shows the secondary-wavelet construction of the refracted front."},
    {ControlId::Command1, "Start timer",
     "Start the timer: the time bar advances and the wave moves on (Space starts and stops it)",
     "Starts moving the time bar, one step each millisecond. Space starts and stops it."},
    {ControlId::Command2, "Stop timer", "Stop the timer (Space starts and stops it)",
     "Stops the timer. Space starts and stops it."},
};

QWidget& Control(OrvathForm& form, ControlId id) {
    auto* widget = form.findChild<QWidget*>(QString::fromUtf8(ControlName(id)));
    Q_ASSERT(widget != nullptr);
    return *widget;
}

}  // namespace

void DescribeControls(OrvathForm& form) {
    for (const ControlText& text : kControlTexts) {
        QWidget& control = Control(form, text.id);
        control.setToolTip(QString::fromUtf8(text.toolTip));
        control.setAccessibleName(QString::fromUtf8(text.name));
        control.setAccessibleDescription(QString::fromUtf8(text.description));
    }
    UpdateAngleDescription(form);
}

void UpdateAngleDescription(OrvathForm& form) {
    const RefractionFacts facts = ComputeRefractionFacts(form.State(), form.Bars());
    const std::string description =
        AngleBarDescription(facts, QLocale().decimalPoint().toStdString());
    Control(form, ControlId::prosptosis)
        .setAccessibleDescription(QString::fromStdString(description));
}

}  // namespace orvath
