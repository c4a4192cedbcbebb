// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/control_trace.h"

#include <ostream>

#include "model/number_format.h"
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

void ControlTrace::MysteryStarted(int seed) {
    out_ << "mystery " << seed << '\n';
}

// guess "TYPED" VERDICT, with how far off in per cent when it is a number.
void ControlTrace::Guessed(std::string_view typed, const GuessVerdict& verdict) {
    out_ << "guess \"" << typed << "\" " << VerdictWord(verdict.kind);
    if (verdict.kind == GuessVerdict::Kind::Found || verdict.kind == GuessVerdict::Kind::Off) {
        out_ << ' ' << FormatFixed(verdict.offPercent, 1);
    }
    out_ << '\n';
}

void ControlTrace::MysteryRevealed(int indexTimes100) {
    out_ << "reveal " << indexTimes100 << '\n';
}

}  // namespace orvath
