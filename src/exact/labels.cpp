// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/labels.h"

#include <algorithm>
#include <cmath>

#include "exact/pen.h"
#include "surface/picture_fonts.h"
#include "surface/theme.h"

namespace orvath::exact {
namespace {

// A backing reaches this many ems beyond its text on every side.
constexpr double kPadEm = 0.15;
// Backings are the picture's paper.
constexpr Rgb kBacking = kBackgroundRgb;

// Whether the segment meets the box (Liang-Barsky).
bool SegmentMeetsBox(const Segment& s, const Box& b) {
    double t0 = 0;
    double t1 = 1;
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.a.x - b.left, b.right - s.a.x, s.a.y - b.bottom, b.top - s.a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool Box::Crosses(const Segment& segment) const {
    return SegmentMeetsBox(segment, *this);
}

LabelLayout::LabelLayout(const Construction& c)
    : frame_(c.frame),
      controls_{c.controls.left, c.controls.bottom, c.controls.right, c.controls.top},
      em_(c.em) {}

Box LabelLayout::TextBox(Vec at, std::string_view text) const {
    const double pad = kPadEm * em_;
    const double width = LabelTextWidthEm(text) * em_;
    const double height = (kLabelAscentEm + kLabelDescentEm) * em_;
    return {at.x - pad, at.y - height - pad, at.x + width + pad, at.y + pad};
}

Box LabelLayout::BlockBox(Vec at, const std::vector<std::string>& lines) const {
    Box box = TextBox(at, lines.empty() ? std::string_view() : std::string_view(lines.front()));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Box line = TextBox({at.x, at.y - static_cast<double>(i) * LineStep()}, lines[i]);
        box.right = std::max(box.right, line.right);
        box.bottom = line.bottom;
    }
    return box;
}

bool LabelLayout::Free(const Box& box, bool clear) const {
    const Box frame{frame_.left, frame_.bottom, frame_.right, frame_.top};
    if (!frame.Holds(box) || box.Overlaps(controls_)) {
        return false;
    }
    if (std::any_of(taken_.begin(), taken_.end(), [&](const Box& b) { return b.Overlaps(box); })) {
        return false;
    }
    return !clear || std::none_of(sight_.begin(), sight_.end(),
                                  [&](const Segment& s) { return box.Crosses(s); });
}

bool LabelLayout::PlaceBlock(const std::vector<Vec>& corners, const std::vector<std::string>& lines,
                             std::vector<PlacedText>& placed, bool always) {
    const auto take = [&](Vec at) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Vec line{at.x, at.y - static_cast<double>(i) * LineStep()};
            placed.push_back({line, lines[i], TextBox(line, lines[i])});
            Take(placed.back().backing);
        }
    };
    for (const bool clear : {true, false}) {
        for (const Vec at : corners) {
            if (Free(BlockBox(at, lines), clear)) {
                take(at);
                return true;
            }
        }
    }
    if (always && !corners.empty()) {
        // Into the frame, its top-left first where the block is larger.
        const Vec at = corners.front();
        const Box box = BlockBox(at, lines);
        const double x = std::max(frame_.left + (at.x - box.left),
                                  std::min(at.x, frame_.right - (box.right - at.x)));
        const double y = std::min(frame_.top - (box.top - at.y),
                                  std::max(at.y, frame_.bottom + (at.y - box.bottom)));
        take({x, y});
    }
    return false;
}

bool LabelLayout::PlaceBeside(Vec anchor, const std::vector<Vec>& directions, std::string_view text,
                              std::vector<PlacedText>& placed, int further) {
    const double width = LabelTextWidthEm(text) * em_;
    const double height = (kLabelAscentEm + kLabelDescentEm) * em_;
    const double gap = (2 * kPadEm + 0.2) * em_;
    // The box's centre goes out along each direction until the box clears
    // the anchor, and where that is not clear of the lines, a little further.
    const auto corner = [&](Vec d, int step) {
        const double reach =
            gap + 0.5 * (std::abs(d.x) * width + std::abs(d.y) * height) + step * 0.5 * height;
        const Vec centre = anchor + reach * d;
        return Vec{centre.x - width / 2, centre.y + height / 2};
    };
    std::vector<Vec> near;
    std::vector<Vec> all;
    for (const Vec d : directions) {
        near.push_back(corner(d, 0));
        for (int step = 0; step <= further; ++step) {
            all.push_back(corner(d, step));
        }
    }
    for (const bool clear : {true, false}) {
        for (const Vec at : clear ? all : near) {
            const Box box = TextBox(at, text);
            if (Free(box, clear)) {
                placed.push_back({at, std::string(text), box});
                Take(box);
                return true;
            }
        }
    }
    return false;
}

void PrintPlaced(const std::vector<PlacedText>& texts, Surface& s) {
    for (const PlacedText& t : texts) {
        s.Backing(F(t.backing.left), F(t.backing.top), F(t.backing.right), F(t.backing.bottom),
                  kBacking);
        s.SetCurrent(F(t.at.x), F(t.at.y));
        s.Print(t.text);
    }
}

}  // namespace orvath::exact
