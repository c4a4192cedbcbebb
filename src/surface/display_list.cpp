#include "surface/display_list.h"

namespace orvath {

void DisplayList::Add(const DrawOp& op) {
    ops_.push_back(op);
    ++revision_;
}

void DisplayList::Scale(float x1, float y1, float x2, float y2) {
    frame_ = {x1, y1, x2, y2};
    ++revision_;
}

void DisplayList::Cls() {
    ops_.clear();
    texts_.clear();
    currentX_ = 0;
    currentY_ = 0;
    startWidth_ = width_;
    startStyle_ = style_;
    ++revision_;
}

void DisplayList::Line(float x1, float y1, float x2, float y2, Colour colour) {
    currentX_ = x2;
    currentY_ = y2;
    Add({.kind = DrawOp::Kind::Line, .colour = colour, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void DisplayList::LineTo(float x2, float y2, Colour colour) {
    Line(currentX_, currentY_, x2, y2, colour);
}

void DisplayList::Circle(float x, float y, float radius, float start, float end, Colour colour) {
    Add({.kind = DrawOp::Kind::Circle,
         .colour = colour,
         .x1 = x,
         .y1 = y,
         .x2 = radius,
         .start = start,
         .end = end});
}

void DisplayList::PSet(float x, float y, Colour colour) {
    Add({.kind = DrawOp::Kind::PSet, .colour = colour, .x1 = x, .y1 = y, .x2 = 0});
}

void DisplayList::DrawWidth(int pixels) {
    width_ = pixels;
    Add({.kind = DrawOp::Kind::Width,
         .colour = kForeground,
         .x1 = 0,
         .y1 = 0,
         .x2 = 0,
         .y2 = 0,
         .start = 0,
         .end = 0,
         .value = pixels});
}

void DisplayList::DrawStyle(LineStyle style) {
    style_ = style;
    Add({.kind = DrawOp::Kind::Style,
         .colour = kForeground,
         .x1 = 0,
         .y1 = 0,
         .x2 = 0,
         .y2 = 0,
         .start = 0,
         .end = 0,
         .value = static_cast<int>(style)});
}

void DisplayList::SetCurrent(float x, float y) {
    currentX_ = x;
    currentY_ = y;
}

void DisplayList::Print(std::string_view text) {
    texts_.emplace_back(text);
    Add({.kind = DrawOp::Kind::Print,
         .colour = kForeground,
         .x1 = currentX_,
         .y1 = currentY_,
         .x2 = 0,
         .y2 = 0,
         .start = 0,
         .end = 0,
         .value = static_cast<int>(texts_.size() - 1)});
}

}  // namespace orvath
