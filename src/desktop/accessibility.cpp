// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/accessibility.h"

#include <QLocale>

#include "desktop/orvath_window.h"
#include "model/control_texts.h"
#include "model/info_text.h"
#include "model/refraction_facts.h"

namespace orvath {
namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Describe(QWidget& widget, const ControlText& text) {
    widget.setToolTip(FromView(text.toolTip));
    widget.setAccessibleName(FromView(text.name));
    widget.setAccessibleDescription(FromView(text.description));
}

}  // namespace

void DescribeControls(OrvathWindow& window) {
    for (const Control control : kControls) {
        if (!TextOf(control).name.empty()) {
            Describe(window.ControlWidget(control), TextOf(control));
        }
    }
    Describe(window.ExactSwitch(), ExactSwitchText());
    Describe(window.ReflectionSwitch(), ReflectionSwitchText());
    window.CanvasWidget().setAccessibleName(FromView(Tr(kPictureName)));
    UpdateAngleDescription(window);
}

void UpdateAngleDescription(OrvathWindow& window) {
    const RefractionFacts facts = window.Model().CurrentFacts();
    const std::string description =
        AngleBarDescription(facts, QLocale().decimalPoint().toStdString());
    window.BarWidget(Bar::Angle).setAccessibleDescription(QString::fromStdString(description));
}

}  // namespace orvath
