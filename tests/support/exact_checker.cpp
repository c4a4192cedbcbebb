// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exact_checker.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <tuple>

#include "surface/theme.h"

namespace orvath::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kC1 = 5;
constexpr double kPeriod = 30 / kC1;  // lambda1 / c1
constexpr double kTol = 0.001;
constexpr double kAngleTol = 0.01 * kPi / 180;
// Taken for the arrowheads' length when none is drawn.
constexpr double kLongestArrowhead = 5;

struct P {
    double x = 0;
    double y = 0;
    P operator+(P b) const { return {x + b.x, y + b.y}; }
    P operator-(P b) const { return {x - b.x, y - b.y}; }
    friend P operator*(double k, P a) { return {k * a.x, k * a.y}; }
    friend double Dot(P a, P b) { return a.x * b.x + a.y * b.y; }
    friend double Cross(P a, P b) { return a.x * b.y - a.y * b.x; }
    friend double Len(P a) { return std::sqrt(Dot(a, a)); }
};
struct Seg {
    P a, b;
    const DrawOp* op = nullptr;
    double Distance(P p) const {
        const P ab = b - a;
        const double u = Dot(ab, ab) > 0 ? std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0) : 0;
        return Len(p - (a + u * ab));
    }
    // Whether both ends of e are ends of this segment.
    bool EndsAt(const Seg& e) const {
        const auto end = [&](P p) { return Len(p - a) <= kTol || Len(p - b) <= kTol; };
        return end(e.a) && end(e.b);
    }
};
struct Arc {
    P c;
    double r, start, end;
    const DrawOp* op = nullptr;
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
    int waves = 0;
    int timeBar = 0;
    double xLeft = 0;
    double xRight = 0;
    double yTop = 0;
    double yBottom = 0;
    bool reflection = false;
};

// Waves in the order of their parts: rays, wavelets and front of each.
enum Wave { Incident, Refracted, Reflected };
enum Group { Rays, Wavelets, Fronts };
const char* const kWaveNames[] = {"incident ", "refracted ", "reflected "};
const Rgb kRayColours[] = {exact::kIncidentColour, exact::kRefractedColour,
                           exact::kReflectedColour};

// Shades of one colour share its hue; pale ones stand out little from the
// background.
bool SameHue(Rgb a, Rgb b) {
    const auto hue = [](Rgb c) {
        return std::atan2(std::sqrt(3.0) * (c.g - c.b), 2.0 * c.r - c.g - c.b) * 180 / kPi;
    };
    const double turn = std::abs(hue(a) - hue(b));
    return std::min(turn, 360 - turn) <= 15;
}
bool Pale(Rgb c) {
    return ContrastRatio(c, kBackgroundRgb) < 3;
}

class Checker {
  public:
    Checker(const Inputs& in, const DisplayList& list) : in_(in) {
        n_ = in.indexTimes100 / 100.0;
        const double sin1 = std::sin(in.angleDeg * kPi / 180);
        const double cos1 = std::cos(in.angleDeg * kPi / 180);
        critical_ = std::abs(sin1 / n_ - 1) < 0.0001;
        total_ = !critical_ && sin1 / n_ > 1;
        const double sin2 = critical_ ? 1 : total_ ? 0 : sin1 / n_;
        dir_[Incident] = {sin1, -cos1};
        dir_[Refracted] = {sin2, -std::sqrt(1 - sin2 * sin2)};
        dir_[Reflected] = {sin1, cos1};
        speed_[Incident] = speed_[Reflected] = kC1;
        speed_[Refracted] = kC1 / n_;
        const bool wavelets = in.wavelets;
        time_ = in.timeBar / 100.0 * (wavelets ? 1 : kPeriod);
        Read(list);
        for (const Seg& ray : rays_[Incident]) {
            xs_.push_back(ray.b.x);
        }
        std::sort(xs_.begin(), xs_.end());
        for (std::vector<P>* dots : {&dots_, centres_, centres_ + 1, centres_ + 2}) {
            std::sort(dots->begin(), dots->end(), [](P a, P b) { return a.x < b.x; });
        }
        hitMin_ = xs_.empty() ? 1e300 : xs_.front();
        hitMax_ = xs_.empty() ? -1e300 : xs_.back();
        // Time 0: the front passes the top-left corner, or the beam's left
        // edge meets the boundary.
        origin_ = wavelets ? Dot(dir_[Incident], {in.xLeft, in.yTop}) : hitMin_ * sin1;
    }

    std::vector<std::string> Faults() {
        for (const Wave w : {Incident, Refracted, Reflected}) {
            CheckLines(w);
            CheckWavelets(w);
            CheckFrontsThere(w);
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
        CheckArrowheads();
        CheckProof();
        CheckValues();
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
            const int part = static_cast<int>(marks[m].part) - 1;
            const bool ofWave = part >= 0 && part < 9;
            const auto wave = static_cast<Wave>(ofWave ? part / 3 : 0);
            const auto group = static_cast<Group>(ofWave ? part % 3 : 0);
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
                } else if (op.kind == DrawOp::Kind::Backing) {
                    continue;  // paper under a text
                } else if (marks[m].part == Part::Annotations) {
                    const auto ray =
                        std::find(kRayColours, kRayColours + 3, op.colour) - kRayColours;
                    if (op.kind == DrawOp::Kind::Line && ray < 3) {
                        strokes_[ray].push_back({a, {op.x2, op.y2}, &op});
                        continue;
                    }
                    if (op.colour != proofColour_.value_or(op.colour)) {
                        Fault("proof in more than one colour");
                    }
                    proofColour_ = op.colour;
                    if (op.kind == DrawOp::Kind::Circle) {
                        proofArcs_.push_back({a, op.x2, op.start, op.end, &op});
                    } else {
                        proof_.push_back({a, {op.x2, op.y2}, &op});
                    }
                } else if (ofWave) {
                    CheckShade(op, wave, group);
                    if (op.kind == DrawOp::Kind::Circle) {
                        arcs_[wave].push_back({a, op.x2, op.start, op.end, &op});
                    } else if (op.kind == DrawOp::Kind::PSet) {
                        centres_[wave].push_back(a);
                    } else if (op.kind == DrawOp::Kind::Line) {
                        (group == Rays ? rays_ : fronts_)[wave].push_back({a, {op.x2, op.y2}, &op});
                    }
                }
            }
        }
        // The proof stands apart from the waves.
        if (proofColour_ &&
            (!*proofColour_ || std::any_of(kRayColours, kRayColours + 3,
                                           [&](Rgb c) { return SameHue(**proofColour_, c); }))) {
            Fault("proof in a wave's colour");
        }
    }

    // Rays and fronts now are in their wave's colour, its wavelets and
    // earlier fronts in a shade of it each, none pale; the wavelets of a
    // wave that does not go on are dotted instead.
    void CheckShade(const DrawOp& op, Wave w, Group group) {
        const Rgb own = kRayColours[w];
        const bool earlier = group == Fronts && op.Style() == LineStyle::Dashed;
        bool right = op.colour == own;
        if (group == Wavelets || earlier) {
            // One shade for each, worked out on its first use.
            std::optional<Colour>& shade = shades_[w][earlier];
            right = shade ? op.colour == *shade
                          : op.colour && SameHue(*op.colour, own) && !Pale(*op.colour);
            shade = right ? op.colour : shade;
        }
        const bool faint = group == Wavelets && w == Refracted && total_;
        if (group == Wavelets && op.kind == DrawOp::Kind::Circle &&
            (op.Style() == LineStyle::Dotted) != faint) {
            Fault("wavelets dotted unless their wave does not go on", w);
        }
        if (!right) {
            Fault("drawn in another colour than its wave's", w);
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
    double HitTime(double x) const { return Phase(Incident, {x, 0}); }
    bool Across(Wave w, P p) const { return w == Refracted ? p.y > kTol : p.y < -kTol; }
    bool Shown(Wave w) const {
        return w == Incident || (w == Refracted ? !total_ : total_ || critical_ || in_.reflection);
    }
    bool OnFront(P p) const {
        return std::any_of(fronts_, fronts_ + 3, [&](const std::vector<Seg>& fronts) {
            return std::any_of(fronts.begin(), fronts.end(),
                               [&](const Seg& f) { return f.Distance(p) <= kTol; });
        });
    }
    // How far a ray from the boundary point x runs in direction d inside the
    // frame.
    double RunInFrame(double x, P d) const {
        double run = 1e300;
        if (d.x != 0) {
            run = ((d.x > 0 ? in_.xRight : in_.xLeft) - x) / d.x;
        }
        if (d.y != 0) {
            run = std::min(run, (d.y > 0 ? in_.yTop : in_.yBottom) / d.y);
        }
        return run;
    }
    // Whether one of the dots, sorted by x, is at p.
    static bool Marked(P p, const std::vector<P>& dots) {
        for (auto dot = std::lower_bound(dots.begin(), dots.end(), p.x - kTol,
                                         [](P d, double x) { return d.x < x; });
             dot != dots.end() && dot->x <= p.x + kTol; ++dot) {
            if (Len(*dot - p) <= kTol) {
                return true;
            }
        }
        return false;
    }
    // Whether p is inside the frame, clear of its edges.
    bool Inside(P p) const {
        return p.x > in_.xLeft + kTol && p.x < in_.xRight - kTol && p.y > in_.yBottom + kTol &&
               p.y < in_.yTop - kTol;
    }
    // Whether some of the segment lies inside the frame, clear of its edges.
    bool CrossesFrame(const Seg& s) const {
        constexpr double kIn = 0.01;
        const P d = s.b - s.a;
        double from = 0;
        double to = 1;
        for (const auto& [p, q] : {std::pair{-d.x, s.a.x - in_.xLeft - kIn},
                                   {d.x, in_.xRight - kIn - s.a.x},
                                   {-d.y, s.a.y - in_.yBottom - kIn},
                                   {d.y, in_.yTop - kIn - s.a.y}}) {
            if (p == 0 && q < 0) {
                return false;
            }
            if (p < 0) {
                from = std::max(from, q / p);
            } else if (p > 0) {
                to = std::min(to, q / p);
            }
        }
        return from <= to;
    }

    // The front of a wave at time t across the beam, where the incident
    // front has not reached the boundary yet or the outgoing one has left
    // it. At the critical angle the refracted front stands perpendicular to
    // the boundary where the incident front meets it, as deep as the oldest
    // wavelet, at most a wavelength.
    std::optional<Seg> FrontAt(Wave w, double t) const {
        const double sin1 = dir_[Incident].x;
        const double reach = sin1 > 0 ? (origin_ + kC1 * t) / sin1 : 0;
        if (w == Refracted && critical_) {
            const double depth = std::min(speed_[w] * (t - HitTime(hitMin_)), speed_[w] * kPeriod);
            return depth > kTol ? std::optional<Seg>({{reach, 0}, {reach, -depth}}) : std::nullopt;
        }
        double from = hitMin_;
        double to = hitMax_;
        if (sin1 > 0 && w == Incident) {
            from = std::max(from, reach);
        } else if (sin1 > 0) {
            to = std::min(to, reach);
        } else if (w == Incident ? HitTime(from) - t < kTol : t - HitTime(from) < kTol) {
            return std::nullopt;
        }
        const auto at = [&](double x) { return P{x, 0} + speed_[w] * (t - HitTime(x)) * dir_[w]; };
        return to - from > kTol ? std::optional<Seg>({at(from), at(to)}) : std::nullopt;
    }

    // Every front that meets the frame is drawn: dashed at each whole period
    // since time 0, solid now.
    void CheckFrontsThere(Wave w) {
        if (!Shown(w) || xs_.empty()) {
            return;
        }
        const int periods = static_cast<int>(std::floor((time_ - kTol) / kPeriod));
        for (int j = 0; j <= periods + 1; ++j) {
            const bool now = j > periods;
            const auto front = FrontAt(w, now ? time_ : j * kPeriod);
            if (front && CrossesFrame(*front) &&
                std::none_of(fronts_[w].begin(), fronts_[w].end(), [&](const Seg& f) {
                    return (f.op->Style() == LineStyle::Dashed) != now && f.EndsAt(*front);
                })) {
                Fault(now ? "front now missing" : "earlier front missing", w);
            }
        }
    }

    // Rays run along their wave, from the boundary to the front now (outgoing)
    // or down to the boundary from the edge of the frame (incident); fronts
    // stand across it, at the time now or a whole period, inside their medium
    // and their beam.
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
                (out && std::abs(Phase(w, r.b) - time_) * speed_[w] > kTol) ||
                (!out && std::abs(Len(along) - RunInFrame(r.b.x, -1 * d)) > kTol)) {
                Fault("ray off its direction, the boundary or its front", w);
            }
        }
        for (const Seg& f : fronts_[w]) {
            const P along = f.b - f.a;
            const double when = Phase(w, f.a);
            const double whole = std::round(when / kPeriod) * kPeriod;
            const bool earlier = f.op->Style() == LineStyle::Dashed;
            if ((Len(along) >= 1 && std::abs(Dot(along, d)) / Len(along) > std::sin(kAngleTol)) ||
                std::abs(Phase(w, f.b) - when) * speed_[w] > kTol ||
                (earlier ? std::abs(when - whole) * speed_[w] > kTol || whole < 0 ||
                               whole > time_ + kTol
                         : std::abs(when - time_) * speed_[w] > kTol || f.op->width < 2)) {
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

    // Every wavelet has its centre marked and has grown since its centre was
    // reached, in the wavelets picture since the last whole period if its
    // wave goes on; it stays in its medium and touches its front, with the
    // point marked, where its arc faces the front.
    void CheckWavelets(Wave w) {
        std::map<std::tuple<double, double, double>, bool> faces;
        const double ahead = std::atan2(dir_[w].y, dir_[w].x);
        const bool restarts = in_.wavelets && !(w == Refracted && (total_ || critical_));
        const double emitted = restarts ? std::floor(time_ / kPeriod - 1e-9) * kPeriod : 0;
        for (const Arc& arc : arcs_[w]) {
            if (std::abs(arc.r - speed_[w] * (time_ - Phase(w, arc.c))) > kTol ||
                arc.r > speed_[w] * (time_ - emitted) + kTol || Across(w, arc.c) ||
                (w == Refracted && total_ && std::abs(arc.c.y) > kTol) ||
                !Marked(arc.c, centres_[w])) {
                Fault("wavelet not grown since its hit time, or its centre unmarked", w);
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
            if (r > 0.5 + kTol && !(w == Refracted && total_) && Inside(touch) &&
                !Marked(touch, dots_)) {
                Fault("tangent point not marked", w);
            }
        }
        // Every wavelet whose centre is in the frame and which does not
        // enclose the frame is drawn, a wavelet just sent out as its centre.
        const double sent = in_.wavelets ? std::floor(time_ / kPeriod) * kPeriod : 0;
        const double corner = Len(P{in_.xRight - in_.xLeft, in_.yTop - in_.yBottom});
        for (int i = 0; i < in_.waves && Shown(w == Refracted ? Incident : w); ++i) {
            const double x = in_.wavelets ? xs_.at(static_cast<std::size_t>(i))
                                          : hitMin_ + (hitMax_ - hitMin_) * i / (in_.waves - 1);
            const double hit = HitTime(x);
            const double from = w == Incident ? sent : restarts ? std::max(sent, hit) : hit;
            const P centre = P{x, 0} + speed_[w] * (from - hit) * dir_[w];
            if ((w == Incident ? hit - time_ : time_ - hit) > kTol && Inside(centre) &&
                speed_[w] * (time_ - from) < corner / 2 && !Marked(centre, centres_[w])) {
                Fault("wavelet missing", w);
            }
        }
    }

    void CheckWhole() {
        if (!total_ && !critical_ && !in_.reflection &&
            !(arcs_[Reflected].empty() && fronts_[Reflected].empty())) {
            Fault("reflected wave shown though hidden");
        }
        // One ray a wave evenly across the frame, or three across the beam;
        // they meet the boundary inside the frame; the beam stays right of
        // the panel and its fronts inside the frame.
        const double width = in_.xRight - in_.xLeft;
        const auto count = static_cast<double>(xs_.size());
        const double step = in_.wavelets ? width / count : (hitMax_ - hitMin_) / (count - 1);
        const double first = in_.wavelets ? in_.xLeft + step / 2 : hitMin_;
        if (count != (in_.wavelets ? in_.waves : 3) ||
            std::any_of(xs_.begin(), xs_.end(), [&, i = 0.0](double x) mutable {
                return std::abs(x - first - step * i++) > kTol;
            })) {
            Fault("rays not evenly spread, one a wave or three a beam");
        }
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

    // An arrowhead is two like strokes back from its tip, either side of its
    // ray: half-way along an incident ray, at the end of an outgoing one, on
    // every ray (every other one beyond 20 rays) of which at least twice its
    // length shows in the frame.
    void CheckArrowheads() {
        struct Tip {
            P at;
            bool matched = false;
        };
        double length = 0;
        double spread = 0;
        const std::size_t stride = xs_.size() > 20 ? 2 : 1;
        for (const Wave w : {Incident, Refracted, Reflected}) {
            const std::vector<Seg>& s = strokes_[w];
            const P back = -1 * dir_[w];
            std::vector<Tip> tips;
            for (std::size_t k = 0; k < s.size(); k += 2) {
                const P u = s[k].b - s[k].a;
                const P v = k + 1 < s.size() ? s[k + 1].b - s[k + 1].a : P{};
                const double side = std::atan2(Cross(back, u), Dot(back, u));
                length = length > 0 ? length : Len(u);
                spread = spread > 0 ? spread : std::abs(side);
                if (k + 1 == s.size() || Len(s[k].a - s[k + 1].a) > kTol ||
                    std::abs(Len(u) - length) > kTol || std::abs(Len(v) - length) > kTol ||
                    std::abs(std::abs(side) - spread) > kAngleTol || spread < 0.1 ||
                    std::abs(std::atan2(Cross(back, v), Dot(back, v)) + side) > kAngleTol) {
                    return Fault("arrowhead not two like strokes either side of its ray", w);
                }
                tips.push_back({s[k].a});
            }
            const auto byX = [](const Tip& t, double x) { return t.at.x < x; };
            std::sort(tips.begin(), tips.end(),
                      [](const Tip& l, const Tip& r) { return l.at.x < r.at.x; });
            const double least = 2 * (length > 0 ? length : kLongestArrowhead);
            for (std::size_t i = 0; i < xs_.size() && Shown(w); i += stride) {
                const P x{xs_[i], 0};
                const double run = RunInFrame(x.x, w == Incident ? back : dir_[w]);
                const double grown = speed_[w] * (time_ - HitTime(x.x));
                const double seen = w == Incident ? run : std::min(run, std::max(0.0, grown));
                const P tip = x + (w == Incident ? -seen / 2 : seen) * dir_[w];
                bool found = false;
                for (auto t = std::lower_bound(tips.begin(), tips.end(), tip.x - kTol, byX);
                     seen >= least - kTol && t != tips.end() && t->at.x <= tip.x + kTol; ++t) {
                    t->matched |= Len(t->at - tip) <= kTol;
                    found |= t->matched;
                }
                if (seen > least + kTol && !found) {
                    Fault("ray without its arrowhead", w);
                }
            }
            if (std::any_of(tips.begin(), tips.end(), [](const Tip& t) { return !t.matched; })) {
                Fault("arrowhead off its ray", w);
            }
        }
    }

    bool HasProofLine(P a, P b) const {
        return std::any_of(proof_.begin(), proof_.end(), [&](const Seg& s) {
            return s.EndsAt({a, b});
        });
    }
    bool HasProofArc(P centre, double start, double end, LineStyle style, double r = -1) const {
        return std::any_of(proofArcs_.begin(), proofArcs_.end(), [&](const Arc& arc) {
            return Len(arc.c - centre) <= kTol && arc.op->Style() == style &&
                   (r < 0 || std::abs(arc.r - r) <= kTol) &&
                   std::abs(std::remainder(arc.start - start, 2 * kPi)) <= 1e-4 &&
                   std::abs(std::remainder(arc.end - end, 2 * kPi)) <= 1e-4;
        });
    }

    // Snell's law at two neighbouring hit points A and B, d apart: while the
    // incident front goes c1 dt on to B, the wavelet about A grows to c2 dt;
    // each leg stands perpendicular to its front, and the angle marks at A
    // and B span theta1 and theta2.
    void CheckProof() {
        if (in_.angleDeg == 0) {
            return;
        }
        const auto pair = std::adjacent_find(xs_.begin(), xs_.end(), [&](double a, double b) {
            return HasProofLine({a, 0}, {b, 0});
        });
        if (pair == xs_.end()) {
            return Fault("proof without its neighbouring hit points");
        }
        const P a{pair[0], 0};
        const P b{pair[1], 0};
        const double dt = HitTime(b.x) - HitTime(a.x);
        const P foot = b - kC1 * dt * dir_[Incident];
        const double grown = speed_[Refracted] * dt;
        const double theta1 = in_.angleDeg * kPi / 180;
        const double theta2 = std::asin(dir_[Refracted].x);
        const bool legs = !total_ && !critical_;
        const P touch = a + grown * dir_[Refracted];
        if (!HasProofLine(b, foot) || !HasProofLine(a, foot) ||
            (legs && !(HasProofLine(a, touch) && HasProofLine(touch, b))) ||
            (total_ && !HasProofLine(a, a - P{0, grown})) ||
            !HasProofArc(a, kPi, 2 * kPi, LineStyle::Dotted, grown) ||
            !HasProofArc(a, 0, theta1, LineStyle::Solid) ||
            (!total_ && !HasProofArc(b, kPi, kPi + theta2, LineStyle::Solid))) {
            Fault("proof's legs, wavelet or angles not those of its hit points");
        }
    }

    // The printed values are the inputs' and Snell's law's, to the digits
    // they show.
    void CheckValues() {
        const auto printed = [&](const char* label, double value, int decimals) {
            const auto at = texts_.find(label);
            const double shown =
                at == std::string::npos
                    ? std::numeric_limits<double>::quiet_NaN()
                    : std::strtod(texts_.c_str() + at + std::strlen(label), nullptr);
            if (!(std::abs(shown - value) <= 0.5 * std::pow(10, -decimals) + 1e-4)) {
                Fault(std::string("printed ") + label + "wrong or missing");
            }
        };
        const auto says = [&](const char* text, bool should) {
            if ((texts_.find(text) != std::string::npos) != should) {
                Fault(std::string(should ? "missing: " : "wrongly printed: ") + text);
            }
        };
        const double sin1 = dir_[Incident].x;
        printed("θ1 = ", in_.angleDeg, 0);
        says("critical angle", critical_);
        says("total reflection", total_);
        if (in_.angleDeg == 0) {
            printed("θ2 = ", 0, 0);
            printed("λ1 / n = ", kC1 * kPeriod / n_, 1);
            return;
        }
        printed("c2 = n = ", n_, 2);
        printed("sin θ1 = c1·Δt / d = ", sin1, 3);
        if (total_) {
            says("no θ2", true);
            printed("c2·Δt / d = ", sin1 / n_, 2);
            printed("c1 / sin θ1 = ", kC1 / sin1, 2);
            printed("< c2 = ", speed_[Refracted], 2);
        } else {
            printed("θ2 = ", std::asin(dir_[Refracted].x) * 180 / kPi, 1);
            printed("sin θ2 = c2·Δt / d = ", dir_[Refracted].x, 3);
        }
    }

    void Fault(const std::string& what, int wave = -1) {
        faults_.push_back((wave >= 0 ? kWaveNames[wave] : "") + what);
    }

    const Inputs in_;
    std::vector<Seg> fronts_[3], rays_[3], strokes_[3], proof_;
    std::vector<Arc> arcs_[3], proofArcs_;
    std::optional<Colour> shades_[3][2];  // wavelets, earlier fronts
    std::optional<Colour> proofColour_;
    std::vector<double> xs_;  // where the incident rays meet the boundary
    std::vector<P> dots_, centres_[3];
    std::string texts_;
    std::vector<std::string> faults_;
    double n_ = 1, time_ = 0, origin_ = 0, hitMin_ = 1e300, hitMax_ = -1e300;
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
                        scene.bars.waves,
                        scene.bars.time,
                        scene.xLeft,
                        scene.xRight,
                        static_cast<double>(scene.yTop),
                        static_cast<double>(scene.yBottom),
                        choices.reflection};
    return Checker(inputs, picture).Faults();
}

}  // namespace orvath::testing
