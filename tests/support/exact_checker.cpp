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
    friend double Cross(P a, P b) { return a.x * b.y - a.y * b.x; }
    friend double Len(P a) { return std::hypot(a.x, a.y); }
};
struct Seg {
    P a, b;
    double Distance(P p) const {
        const P ab = b - a;
        const double u = Dot(ab, ab) > 0 ? std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0) : 0;
        return Len(p - (a + u * ab));
    }
};
struct Arc {
    P c;
    double r, start, end;
    bool Holds(double angle) const {
        const auto turn = [](double a) { return a - 2 * kPi * std::floor(a / (2 * kPi)); };
        const double offset = turn(angle - start);
        return offset <= turn(end - start) + 1e-4 || offset >= 2 * kPi - 1e-4;
    }
};

// What the checker reads of a picture's inputs.
struct Inputs {
    bool wavelets = true;
    int angleDeg = 0;
    int indexTimes100 = 0;
    int timeBar = 0;
    double xLeft = 0;
    double xRight = 0;
    double yTop = 0;
    double yBottom = 0;
    bool reflection = false;
};

// Waves in the order of their parts: rays, wavelets and front of each.
enum Wave { Incident, Refracted, Reflected };
const char* const kWaveNames[] = {"incident ", "refracted ", "reflected "};

class Checker {
  public:
    Checker(const Inputs& in, const DisplayList& list) : in_(in) {
        Read(list);
        const double n = in.indexTimes100 / 100.0;
        const double sin1 = std::sin(in.angleDeg * kPi / 180);
        const double cos1 = std::cos(in.angleDeg * kPi / 180);
        critical_ = std::abs(sin1 / n - 1) < 0.0001;
        total_ = !critical_ && sin1 / n > 1;
        const double sin2 = critical_ ? 1 : total_ ? 0 : sin1 / n;
        dir_[Incident] = {sin1, -cos1};
        dir_[Refracted] = {sin2, -std::sqrt(1 - sin2 * sin2)};
        dir_[Reflected] = {sin1, cos1};
        speed_[Incident] = speed_[Reflected] = kC1;
        speed_[Refracted] = kC1 / n;
        const bool wavelets = in.wavelets;
        time_ = in.timeBar / 100.0 * (wavelets ? 1 : kPeriod);
        for (const Seg& ray : rays_[Incident]) {
            hitMin_ = std::min(hitMin_, ray.b.x);
            hitMax_ = std::max(hitMax_, ray.b.x);
        }
        // Time 0: the front passes the top-left corner, or the beam's left
        // edge meets the boundary.
        origin_ = wavelets ? Dot(dir_[Incident], {in.xLeft, in.yTop}) : hitMin_ * sin1;
    }

    std::vector<std::string> Faults() {
        for (const Wave w : {Incident, Refracted, Reflected}) {
            CheckLines(w);
            CheckWavelets(w);
        }
        for (const P dot : dots_) {
            if (!OnFront(dot) || std::none_of(arcs_, arcs_ + 3, [&](const std::vector<Arc>& arcs) {
                    return std::any_of(arcs.begin(), arcs.end(), [&](const Arc& a) {
                        return std::abs(Len(dot - a.c) - a.r) <= kTol;
                    });
                })) {
                Fault("tangent point off its wavelet or front");
            }
        }
        CheckWhole();
        return faults_;
    }

  private:
    void Read(const DisplayList& list) {
        const auto& ops = list.Ops();
        const auto& marks = list.Parts();
        if (!ops.empty() && (marks.empty() || marks.front().firstOp > 0)) {
            Fault("drawing before any part");
        }
        for (std::size_t m = 0; m < marks.size(); ++m) {
            const std::size_t end = m + 1 < marks.size() ? marks[m + 1].firstOp : ops.size();
            const int part = static_cast<int>(marks[m].part);
            const int wave = (part - 1) / 3;
            for (std::size_t i = marks[m].firstOp; i < end; ++i) {
                const DrawOp& op = ops[i];
                if (!std::isfinite(op.x1 + op.y1 + op.x2 + op.y2 + op.start + op.end)) {
                    Fault("a number that is not finite");
                }
                const P a{op.x1, op.y1};
                if (op.kind == DrawOp::Kind::Print) {
                    texts_ += list.Texts()[static_cast<std::size_t>(op.text)] + "\n";
                } else if (marks[m].part == Part::TangentPoints) {
                    dots_.push_back(a);
                } else if (part < 1 || wave > 2 || op.kind == DrawOp::Kind::PSet) {
                    continue;
                } else if (op.kind == DrawOp::Kind::Circle) {
                    arcs_[wave].push_back({a, op.x2, op.start, op.end});
                } else {
                    ((part - 1) % 3 == 0 ? rays_ : fronts_)[wave].push_back({a, {op.x2, op.y2}});
                }
            }
        }
    }

    // When the wave passes p; beyond the critical angle the medium-2
    // wavelets keep the incident front's hit times along the boundary.
    double Phase(Wave w, P p) const {
        if (w == Refracted && !total_) {
            return Dot(dir_[w], p) / speed_[w] - origin_ / kC1;
        }
        return (Dot(w == Refracted ? dir_[Incident] : dir_[w], p) - origin_) / kC1;
    }
    bool Across(Wave w, P p) const { return w == Refracted ? p.y > kTol : p.y < -kTol; }
    bool OnFront(P p) const {
        return std::any_of(fronts_, fronts_ + 3, [&](const std::vector<Seg>& fronts) {
            return std::any_of(fronts.begin(), fronts.end(),
                               [&](const Seg& f) { return f.Distance(p) <= kTol; });
        });
    }

    // Rays run along their wave, from the boundary to the front now (outgoing)
    // or down to the boundary (incident); fronts stand across it, at the time
    // now or a whole period, inside their medium and their beam.
    void CheckLines(Wave w) {
        const P d = dir_[w];
        if (total_ && w == Refracted && !(rays_[w].empty() && fronts_[w].empty())) {
            return Fault("refracted ray or front beyond the critical angle");
        }
        for (const Seg& r : rays_[w]) {
            const P along = r.b - r.a;
            const bool out = w != Incident;
            if ((Len(along) >= 1 &&
                 std::abs(std::atan2(Cross(along, d), Dot(along, d))) > kAngleTol) ||
                std::abs((out ? r.a : r.b).y) > kTol ||
                (out && std::abs(Phase(w, r.b) - time_) * speed_[w] > kTol)) {
                Fault("ray off its direction, the boundary or its front", w);
            }
        }
        for (const Seg& f : fronts_[w]) {
            const P along = f.b - f.a;
            const double when = Phase(w, f.a);
            const double whole = std::round(when / kPeriod) * kPeriod;
            if ((Len(along) >= 1 && std::abs(Dot(along, d)) / Len(along) > std::sin(kAngleTol)) ||
                std::abs(Phase(w, f.b) - when) * speed_[w] > kTol ||
                (std::abs(when - time_) * speed_[w] > kTol &&
                 (std::abs(when - whole) * speed_[w] > kTol || whole < 0 || whole > time_))) {
                Fault("front off its direction or its time", w);
            }
            for (const P end : {f.a, f.b}) {
                const double hit = d.y == 0 ? hitMin_ : end.x - end.y * d.x / d.y;
                if (Across(w, end) || hit < hitMin_ - kTol || hit > hitMax_ + kTol) {
                    Fault("front outside its medium or beam", w);
                }
            }
        }
    }

    // Every wavelet has grown since its centre was reached, stays in its
    // medium and touches its front where its arc faces the front.
    void CheckWavelets(Wave w) {
        std::map<std::tuple<double, double, double>, bool> faces;
        const double ahead = std::atan2(dir_[w].y, dir_[w].x);
        for (const Arc& arc : arcs_[w]) {
            if (std::abs(arc.r - speed_[w] * (time_ - Phase(w, arc.c))) > kTol ||
                Across(w, arc.c) || (w == Refracted && total_ && std::abs(arc.c.y) > kTol)) {
                Fault("wavelet not grown since its hit time", w);
            }
            for (const double a : {arc.start, arc.end, kPi / 2, 3 * kPi / 2}) {
                if (arc.Holds(a) && Across(w, arc.c + arc.r * P{std::cos(a), std::sin(a)})) {
                    Fault("wavelet crosses into the other medium", w);
                }
            }
            faces[{arc.c.x, arc.c.y, arc.r}] |= arc.Holds(ahead);
        }
        for (const auto& [circle, facing] : faces) {
            const auto [x, y, r] = circle;
            const P touch = P{x, y} + r * dir_[w];
            if (r > 0.5 && !(w == Refracted && total_) &&
                (!facing || std::none_of(fronts_[w].begin(), fronts_[w].end(), [&](const Seg& f) {
                    return f.Distance(touch) <= kTol;
                }))) {
                Fault("wavelet not touching its front", w);
            }
        }
    }

    void CheckWhole() {
        const bool anyHit = Phase(Incident, {hitMin_, 0}) < time_;
        if (total_ && ((anyHit && fronts_[Reflected].empty()) ||
                       texts_.find("total reflection") == std::string::npos)) {
            Fault("total reflection without its reflected front or label");
        }
        if (!total_ && !critical_ && !in_.reflection &&
            !(arcs_[Reflected].empty() && fronts_[Reflected].empty())) {
            Fault("reflected wave shown though hidden");
        }
        // The rays meet the boundary inside the frame; the beam stays right
        // of the panel and its fronts inside the frame.
        const double width = in_.xRight - in_.xLeft;
        const double span = hitMax_ - hitMin_;
        const P d1 = dir_[Incident];
        const P d2 = dir_[Refracted];
        if (hitMin_ < in_.xLeft - kTol || hitMax_ > in_.xRight + kTol ||
            (!in_.wavelets && in_.angleDeg > 0 &&
             (hitMin_ < in_.xLeft + 0.25 * width || -span * d1.x * d1.y > in_.yTop ||
              (!total_ && -span * d2.x * d2.y > -in_.yBottom)))) {
            Fault("construction off the free part of the frame");
        }
    }

    void Fault(const std::string& what, int wave = -1) {
        faults_.push_back((wave >= 0 ? kWaveNames[wave] : "") + what);
    }

    const Inputs in_;
    std::vector<Seg> fronts_[3], rays_[3];
    std::vector<Arc> arcs_[3];
    std::vector<P> dots_;
    std::string texts_;
    std::vector<std::string> faults_;
    double time_ = 0, origin_ = 0, hitMin_ = 1e300, hitMax_ = -1e300;
    bool critical_ = false, total_ = false;
    P dir_[3];
    double speed_[3] = {};
};

}  // namespace

std::vector<std::string> CheckExactPicture(const Scene& scene, const exact::ExactChoices& choices,
                                           const DisplayList& picture) {
    const Inputs inputs{choices.picture == DisplayMode::Wavelets,
                        scene.bars.angle,
                        scene.bars.index,
                        scene.bars.time,
                        scene.xLeft,
                        scene.xRight,
                        static_cast<double>(scene.yTop),
                        static_cast<double>(scene.yBottom),
                        choices.reflection};
    return Checker(inputs, picture).Faults();
}

}  // namespace orvath::testing
