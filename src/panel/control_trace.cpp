// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/control_trace.h"

#include <ostream>

#include "surface/trace_surface.h"

namespace orvath {

void ControlTrace::Placed(ControlId id, const ControlRect& r) {
    out_ << "place " << ControlName(id) << ' ' << TraceNumber(r.Left) << ' ' << TraceNumber(r.Top)
         << ' ' << TraceNumber(r.Width) << ' ' << TraceNumber(r.Height) << '\n';
}

void ControlTrace::CaptionWritten(std::string_view label, std::string_view text) {
    out_ << "caption " << label << " \"" << text << "\"\n";
}

void ControlTrace::ValueAssigned(std::string_view bar, int value) {
    out_ << "value " << bar << ' ' << value << '\n';
}

void ControlTrace::TimerEnabledWritten(bool enabled) {
    out_ << "timer " << (enabled ? "on" : "off") << '\n';
}

void ControlTrace::Shown() {
    out_ << "show\n";
}

}  // namespace orvath
