// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/control_trace.h"

#include <ostream>

#include "surface/trace_surface.h"

namespace orvath {

void ControlTrace::Placed(Control control, const ControlRect& r) {
    out_ << "place " << ControlName(control) << ' ' << TraceNumber(r.left) << ' '
         << TraceNumber(r.top) << ' ' << TraceNumber(r.width) << ' ' << TraceNumber(r.height)
         << '\n';
}

void ControlTrace::CaptionWritten(Control label, std::string_view text) {
    out_ << "caption " << ControlName(label) << " \"" << text << "\"\n";
}

void ControlTrace::ValueAssigned(Bar bar, int value) {
    out_ << "value " << ControlName(BarControl(bar)) << ' ' << value << '\n';
}

void ControlTrace::TimerEnabledWritten(bool enabled) {
    out_ << "timer " << (enabled ? "on" : "off") << '\n';
}

void ControlTrace::Shown() {
    out_ << "show\n";
}

}  // namespace orvath
