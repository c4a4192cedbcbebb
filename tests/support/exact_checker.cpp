// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exact_checker.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace orvath::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kC1 = 5;
constexpr double kPeriod = 30 / kC1;  // lambda1 / c1
constexpr double kTol = 0.001;
constexpr double kAngleTol = 0.01 * kPi / 180;

struct P {
    double x = 0;
    double y = 0;
    P operator+(P b) const { return {x + b.x, y + b.y}; }
    P operator-(P b) const { return {x - b.x, y - b.y}; }
    friend P operator*(double k, P a) { return {k * a.x, k * a.y}; }
    friend double Dot(P a, P b) { return a.x * b.x + a.y * b.y; }
    friend double Len(P a) { return std::hypot(a.x, a.y); }
};

double DistanceToSegment(P p, P a, P b) {
    const P ab = b - a;
    const double u = Dot(ab, ab) > 0 ? std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0) : 0;
    return Len(p - (a + u * ab));
}

// Whether the counter-clockwise arc from start to end holds the angle.
bool ArcHolds(double start, double end, double angle) {
    const auto norm = [](double a) { return a - 2 * kPi * std::floor(a / (2 * kPi)); };
    const double sweep = end >= start ? end - start : end - start + 2 * kPi;
    const double offset = norm(angle - start);
    return offset <= sweep + 1e-4 || offset >= 2 * kPi - 1e-4;
}

enum Wave { kIncident, kRefracted, kReflected };

struct Seg {
    P a, b;
};
struct Arc {
    P c;
    double r, start, end;
};

// What the picture holds, sorted by wave.
struct Reading {
    std::vector<Seg> fronts[3], rays[3];
    std::vector<Arc> arcs[3];
    std::vector<P> dots;
    std::vector<std::string> texts;
};

class Checker {
  public:
    Checker(const exact::ExactInputs& in, const DisplayList& list) : in_(in) {
        Read(list);
        const double n = in.indexTimes100 / 100.0;
        sin1_ = std::sin(in.angleDeg * kPi / 180);
        cos1_ = std::cos(in.angleDeg * kPi / 180);
        critical_ = std::abs(sin1_ / n - 1) < 0.0001;
        total_ = !critical_ && sin1_ / n > 1;
        const double sin2 = critical_ ? 1 : total_ ? 0 : sin1_ / n;
        dir_[kIncident] = {sin1_, -cos1_};
        dir_[kRefracted] = {sin2, -std::sqrt(1 - sin2 * sin2)};
        dir_[kReflected] = {sin1_, cos1_};
        speed_[kIncident] = speed_[kReflected] = kC1;
        speed_[kRefracted] = kC1 / n;
        const bool wavelets = in.picture == exact::Picture::Wavelets;
        time_ = in.timeBar / 100.0 * (wavelets ? 1 : kPeriod);
        // Time 0: the front passes the top-left corner, or the beam's left
        // edge meets the boundary.
        for (const Seg& ray : pic_.rays[kIncident]) {
            hitMin_ = std::min(hitMin_, ray.b.x);
            hitMax_ = std::max(hitMax_, ray.b.x);
        }
        origin_ = wavelets ? Dot(dir_[kIncident], {in.xLeft, in.yTop}) : hitMin_ * sin1_;
    }

    std::vector<std::string> Faults() {
        for (int w = kIncident; w <= kReflected; ++w) {
            CheckFronts(static_cast<Wave>(w));
            CheckRays(static_cast<Wave>(w));
            CheckWavelets(static_cast<Wave>(w));
        }
        CheckDots();
        CheckWhole();
        return faults_;
    }

  private:
    void Read(const DisplayList& list) {
        const auto& ops = list.ops();
        const auto& marks = list.parts();
        if (!ops.empty() && (marks.empty() || marks.front().firstOp > 0)) {
            Fault("drawing before any part");
        }
        for (std::size_t m = 0; m < marks.size(); ++m) {
            const std::size_t end = m + 1 < marks.size() ? marks[m + 1].firstOp : ops.size();
            const int part = static_cast<int>(marks[m].part);
            for (std::size_t i = marks[m].firstOp; i < end; ++i) {
                Take(part, ops[i], list.texts());
            }
        }
    }

    void Take(int part, const DrawOp& op, const std::vector<std::string>& texts) {
        for (const float v : {op.x1, op.y1, op.x2, op.y2, op.start, op.end}) {
            if (!std::isfinite(v)) {
                Fault("a number that is not finite");
            }
        }
        // Parts run Axes, then rays, wavelets and front of each wave, then
        // tangent points and annotations.
        const bool ofWave = part >= 1 && part <= 9;
        const int wave = (part - 1) / 3;
        const int role = (part - 1) % 3;
        const P a{op.x1, op.y1};
        if (op.kind == DrawOp::Kind::Print) {
            pic_.texts.push_back(texts[static_cast<std::size_t>(op.text)]);
        } else if (part == static_cast<int>(Part::TangentPoints) && op.kind == DrawOp::Kind::PSet) {
            pic_.dots.push_back(a);
        } else if (ofWave && op.kind == DrawOp::Kind::Circle && role == 1) {
            pic_.arcs[wave].push_back({a, op.x2, op.start, op.end});
        } else if (ofWave && op.kind == DrawOp::Kind::Line && role != 1) {
            (role == 0 ? pic_.rays : pic_.fronts)[wave].push_back({a, {op.x2, op.y2}});
        }
    }

    // When the wave passes p.
    double Phase(Wave w, P p) const {
        if (w == kRefracted && !total_) {
            return Dot(dir_[w], p) / speed_[w] - origin_ / kC1;
        }
        return (Dot(w == kRefracted ? dir_[kIncident] : dir_[w], p) - origin_) / kC1;
    }

    bool Below(Wave w, P p) const { return w == kRefracted ? p.y > kTol : p.y < -kTol; }

    void CheckDirection(Wave w, const Seg& s, P dir, const char* what) {
        const P d = s.b - s.a;
        if (Len(d) >= 1 &&
            std::abs(std::atan2(d.x * dir.y - d.y * dir.x, Dot(d, dir))) > kAngleTol) {
            Fault(std::string(what) + " off its direction", w);
        }
    }

    void CheckFronts(Wave w) {
        const P along{-dir_[w].y, dir_[w].x};
        for (const Seg& f : pic_.fronts[w]) {
            if (w == kRefracted && total_) {
                return Fault("a refracted front beyond the critical angle");
            }
            CheckDirection(w, f, Dot(f.b - f.a, along) >= 0 ? along : -1 * along, "front");
            const double when = Phase(w, f.a);
            const double whole = std::round(when / kPeriod) * kPeriod;
            if (std::abs(Phase(w, f.b) - when) * speed_[w] > kTol ||
                (std::abs(when - time_) * speed_[w] > kTol &&
                 (std::abs(when - whole) * speed_[w] > kTol || whole < 0 || whole > time_))) {
                Fault("front not at the time now or at a whole period", w);
            }
            for (const P end : {f.a, f.b}) {
                const bool grazing = std::abs(dir_[w].y) < 1e-12;
                const double hit = grazing ? hitMin_ : end.x - end.y * dir_[w].x / dir_[w].y;
                if (Below(w, end) || hit < hitMin_ - kTol || hit > hitMax_ + kTol) {
                    Fault("front outside its medium or beam", w);
                }
            }
        }
    }

    void CheckRays(Wave w) {
        for (const Seg& r : pic_.rays[w]) {
            if (w == kRefracted && total_) {
                return Fault("a refracted ray beyond the critical angle");
            }
            CheckDirection(w, r, dir_[w], "ray");
            const bool fromBoundary = w != kIncident;
            if (std::abs((fromBoundary ? r.a : r.b).y) > kTol ||
                (fromBoundary && std::abs(Phase(w, r.b) - time_) * speed_[w] > kTol)) {
                Fault("ray not from the boundary to its front", w);
            }
        }
    }

    void CheckWavelets(Wave w) {
        std::map<std::tuple<double, double, double>, bool> touching;
        for (const Arc& arc : pic_.arcs[w]) {
            const double grown = speed_[w] * (time_ - Phase(w, arc.c));
            if (std::abs(arc.r - grown) > kTol || Below(w, arc.c) ||
                (w == kRefracted && total_ && std::abs(arc.c.y) > kTol)) {
                Fault("wavelet not grown since its hit time", w);
            }
            for (const double a : {arc.start, arc.end, kPi / 2, 3 * kPi / 2}) {
                if (ArcHolds(arc.start, arc.end, a) &&
                    Below(w, arc.c + arc.r * P{std::cos(a), std::sin(a)})) {
                    Fault("wavelet crosses into the other medium", w);
                }
            }
            touching[{arc.c.x, arc.c.y, arc.r}] |=
                ArcHolds(arc.start, arc.end, std::atan2(dir_[w].y, dir_[w].x));
        }
        if (w == kRefracted && total_) {
            return;
        }
        for (const auto& [circle, holdsTouch] : touching) {
            const auto [x, y, r] = circle;
            const P touch = P{x, y} + r * dir_[w];
            const bool onFront = std::any_of(
                pic_.fronts[w].begin(), pic_.fronts[w].end(),
                [&](const Seg& f) { return DistanceToSegment(touch, f.a, f.b) <= kTol; });
            if (r > 0.5 && (!holdsTouch || !onFront)) {
                Fault("wavelet not touching its front", w);
            }
        }
    }

    void CheckDots() {
        for (const P dot : pic_.dots) {
            bool onWavelet = false;
            bool onFront = false;
            for (int w = kIncident; w <= kReflected; ++w) {
                for (const Arc& a : pic_.arcs[w]) {
                    onWavelet = onWavelet || std::abs(Len(dot - a.c) - a.r) <= kTol;
                }
                for (const Seg& f : pic_.fronts[w]) {
                    onFront = onFront || DistanceToSegment(dot, f.a, f.b) <= kTol;
                }
            }
            if (!onWavelet || !onFront) {
                Fault("tangent point off its wavelet or front");
            }
        }
    }

    void CheckWhole() {
        const bool anyHit = hitMin_ * sin1_ - origin_ < kC1 * time_;
        const auto says = [&](const std::string& words) {
            return std::any_of(pic_.texts.begin(), pic_.texts.end(),
                               [&](const std::string& t) { return t.find(words) != t.npos; });
        };
        if (total_ && ((anyHit && pic_.fronts[kReflected].empty()) || !says("total reflection"))) {
            Fault("total reflection without its reflected front or label");
        }
        if (!total_ && !critical_ && !in_.reflection &&
            !(pic_.arcs[kReflected].empty() && pic_.fronts[kReflected].empty())) {
            Fault("reflected wave shown though hidden");
        }
        const double width = in_.xRight - in_.xLeft;
        if (hitMin_ < in_.xLeft - kTol || hitMax_ > in_.xRight + kTol) {
            Fault("rays meet the boundary outside the frame");
        }
        // The beam stays right of the panel and its fronts inside the frame.
        const double span = hitMax_ - hitMin_;
        const double sin2 = dir_[kRefracted].x;
        if (in_.picture == exact::Picture::Continuous && in_.angleDeg > 0 &&
            (hitMin_ < in_.xLeft + 0.25 * width || span * sin1_ * cos1_ > in_.yTop ||
             (!total_ && span * sin2 * -dir_[kRefracted].y > -in_.yBottom))) {
            Fault("construction off the free part of the frame");
        }
    }

    void Fault(const std::string& what, int wave = -1) {
        static const char* const kNames[] = {"incident ", "refracted ", "reflected "};
        const std::string line = (wave >= 0 ? kNames[wave] : "") + what;
        if (std::find(faults_.begin(), faults_.end(), line) == faults_.end()) {
            faults_.push_back(line);
        }
    }

    const exact::ExactInputs& in_;
    Reading pic_;
    std::vector<std::string> faults_;
    double sin1_ = 0, cos1_ = 1, time_ = 0, origin_ = 0;
    double hitMin_ = 1e300, hitMax_ = -1e300;
    bool critical_ = false, total_ = false;
    P dir_[3];
    double speed_[3] = {};
};

}  // namespace

std::vector<std::string> CheckExactPicture(const exact::ExactInputs& inputs,
                                           const DisplayList& picture) {
    return Checker(inputs, picture).Faults();
}

}  // namespace orvath::testing
