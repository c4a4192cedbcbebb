// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/labels.h"

#include <algorithm>
#include <array>
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

void LabelLayout::AddLine(Block& block, std::string_view text) const {
    const std::size_t i = block.count++;
    block.lines.at(i) = text;
    const Box box = TextBox({0, -static_cast<double>(i) * LineStep()}, text);
    block.boxes.at(i) = box;
    block.bounds = i == 0 ? box
                          : Box{block.bounds.left, box.bottom,
                                std::max(block.bounds.right, box.right), block.bounds.top};
}

std::string_view LabelLayout::Keep(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (const std::string_view piece : pieces) {
        size += piece.size();
    }
    if (textUsed_ + size > text_.size()) {
        std::string& kept = moreText_.emplace_front();
        for (const std::string_view piece : pieces) {
            kept += piece;
        }
        return kept;
    }
    char* const kept = text_.data() + textUsed_;
    char* end = kept;
    for (const std::string_view piece : pieces) {
        end = std::copy(piece.begin(), piece.end(), end);
    }
    textUsed_ += size;
    return {kept, size};
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

bool LabelLayout::PlaceBlock(const Block& block, std::span<const Vec> corners, bool always) {
    const auto moved = [](const Box& box, Vec by) {
        return Box{box.left + by.x, box.bottom + by.y, box.right + by.x, box.top + by.y};
    };
    const auto take = [&](Vec at) {
        for (std::size_t i = 0; i < block.count; ++i) {
            placed_.Add({{at.x, at.y - static_cast<double>(i) * LineStep()},
                         block.lines[i],
                         moved(block.boxes[i], at)});
            Take(placed_.Last().backing);
        }
    };
    for (const bool clear : {true, false}) {
        for (const Vec at : corners) {
            if (Free(moved(block.bounds, at), clear)) {
                take(at);
                return true;
            }
        }
    }
    if (always && !corners.empty()) {
        // Into the frame, its top-left first where the block is larger.
        const Vec at = corners.front();
        const Box& b = block.bounds;
        const double x = std::max(frame_.left - b.left, std::min(at.x, frame_.right - b.right));
        const double y = std::min(frame_.top - b.top, std::max(at.y, frame_.bottom - b.bottom));
        take({x, y});
    }
    return false;
}

bool LabelLayout::PlaceBeside(Vec anchor, std::initializer_list<Vec> directions,
                              std::string_view text, int further) {
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
    constexpr int kMostDirections = 4;
    constexpr int kMostSteps = 4;
    std::array<Vec, kMostDirections * kMostSteps> corners{};
    const int steps = std::clamp(further + 1, 1, kMostSteps);
    int count = 0;
    for (const Vec d : directions) {
        for (int step = 0; step < steps && count < kMostDirections * kMostSteps; ++step) {
            corners.at(static_cast<std::size_t>(count++)) = corner(d, step);
        }
    }
    const double pad = kPadEm * em_;
    for (const bool clear : {true, false}) {
        // Clear: every step out; else only right beside the anchor.
        for (int i = 0; i < count; i += clear ? 1 : steps) {
            const Vec at = corners.at(static_cast<std::size_t>(i));
            const Box box{at.x - pad, at.y - height - pad, at.x + width + pad, at.y + pad};
            if (Free(box, clear)) {
                placed_.Add({at, text, box});
                Take(box);
                return true;
            }
        }
    }
    return false;
}

void PrintPlaced(std::span<const PlacedText> texts, Surface& s) {
    for (const PlacedText& t : texts) {
        s.Backing(F(t.backing.left), F(t.backing.top), F(t.backing.right), F(t.backing.bottom),
                  kBacking);
        s.SetCurrent(F(t.at.x), F(t.at.y));
        s.Print(t.text);
    }
}

}  // namespace orvath::exact
