// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/display_list.h"

#include <algorithm>
#include <limits>

namespace orvath {

DrawOp& DisplayList::Add(DrawOp::Kind kind, Colour colour, float x1, float y1) {
    ++revision_;
    if (opCount_ == ops_.size()) {
        Grow();
    }
    DrawOp& op = ops_[opCount_++];
    op = DrawOp{};
    op.kind = kind;
    op.colour = colour;
    op.penStyle = style_;
    op.width = width_;
    op.x1 = x1;
    op.y1 = y1;
    return op;
}

void DisplayList::Grow() {
    ops_.resize(std::max<std::size_t>(64, 2 * ops_.size()));
}

void DisplayList::Scale(float x1, float y1, float x2, float y2) {
    frame_ = {x1, y1, x2, y2};
    ++revision_;
}

void DisplayList::Cls() {
    opCount_ = 0;
    textCount_ = 0;
    parts_.clear();
    currentX_ = 0;
    currentY_ = 0;
    font_ = 0;
    ++revision_;
}

void DisplayList::Line(float x1, float y1, float x2, float y2, Colour colour) {
    currentX_ = x2;
    currentY_ = y2;
    DrawOp& op = Add(DrawOp::Kind::Line, colour, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
}

void DisplayList::LineTo(float x2, float y2, Colour colour) {
    Line(currentX_, currentY_, x2, y2, colour);
}

void DisplayList::Circle(float x, float y, float radius, float start, float end, Colour colour) {
    DrawOp& op = Add(DrawOp::Kind::Circle, colour, x, y);
    op.x2 = radius;
    op.start = start;
    op.end = end;
}

void DisplayList::PSet(float x, float y, Colour colour) {
    Add(DrawOp::Kind::PSet, colour, x, y);
}

void DisplayList::DrawWidth(int pixels) {
    width_ = static_cast<std::uint16_t>(
        std::clamp<int>(pixels, 0, std::numeric_limits<std::uint16_t>::max()));
}

void DisplayList::DrawStyle(LineStyle style) {
    style_ = static_cast<std::uint8_t>(style);
}

void DisplayList::SetCurrent(float x, float y) {
    currentX_ = x;
    currentY_ = y;
}

void DisplayList::BeginPart(Part part) {
    parts_.push_back({opCount_, part});
}

void DisplayList::Print(std::string_view text) {
    if (textCount_ < texts_.size()) {
        texts_[textCount_].assign(text);
    } else {
        texts_.emplace_back(text);
    }
    DrawOp& op = Add(DrawOp::Kind::Print, kForeground, currentX_, currentY_);
    op.text = static_cast<int>(textCount_++);
    op.font = font_;
}

void DisplayList::SetFont(float emHeight) {
    font_ = emHeight;
}

void DisplayList::Backing(float x1, float y1, float x2, float y2, Colour colour) {
    DrawOp& op = Add(DrawOp::Kind::Backing, colour, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
}

}  // namespace orvath
