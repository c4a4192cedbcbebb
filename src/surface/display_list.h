// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "surface/surface.h"

namespace orvath {

// One recorded drawing operation, with the pen in force when it was made.
// Coordinates are world units; for Print the text is texts()[text], in the
// labels' face `font` high or, when that is 0, in the form's font; a Backing
// fills the rectangle from (x1, y1) to (x2, y2).
struct DrawOp {
    enum class Kind : std::uint8_t { Line, Circle, PSet, Print, Backing };
    Kind kind = Kind::Line;
    Colour colour;
    std::uint8_t penStyle = 0;  // the LineStyle of lines and arcs
    std::uint16_t width = 1;    // pen width in pixels
    float x1 = 0;               // Line: start; Circle, PSet, Print: position
    float y1 = 0;
    float x2 = 0;  // Line: end; Circle: radius in x2, angles in start/end
    float y2 = 0;
    float start = 0;
    float end = 0;
    int text = 0;    // Print: index into texts()
    float font = 0;  // Print: the em height of the labels' face, or 0

    LineStyle Style() const { return static_cast<LineStyle>(penStyle); }
};

// Where a named part of the picture starts: at ops()[firstOp].
struct PartMark {
    std::size_t firstOp = 0;
    Part part = Part::Axes;
};

// A surface that keeps the operations of the latest picture, so that the
// window can paint it whenever it is exposed. Cls starts a new picture; pen
// changes are not operations of their own but travel with the next ones.
class DisplayList : public Surface {
  public:
    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void LineTo(float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, float start, float end, Colour colour) override;
    void PSet(float x, float y, Colour colour) override;
    void DrawWidth(int pixels) override;
    void DrawStyle(LineStyle style) override;
    void SetCurrent(float x, float y) override;
    void Print(std::string_view text) override;
    void BeginPart(Part part) override;
    void SetFont(float emHeight) override;
    void Backing(float x1, float y1, float x2, float y2, Colour colour) override;

    const WorldFrame& Frame() const { return frame_; }
    std::span<const DrawOp> Ops() const { return {ops_.data(), opCount_}; }
    std::span<const std::string> Texts() const { return {texts_.data(), textCount_}; }
    // The named parts in order; empty for a picture that names none.
    const std::vector<PartMark>& Parts() const { return parts_; }
    // Grows with every change, so a painter can tell whether to repaint.
    std::uint64_t Revision() const { return revision_; }

  private:
    // Appends an operation of the given kind with the current pen.
    DrawOp& Add(DrawOp::Kind kind, Colour colour, float x1, float y1);
    // Makes room for more operations than the picture has.
    void Grow();

    WorldFrame frame_;
    // The picture's operations are the first opCount_; the room after them
    // is kept for the next picture, and grows out of line of every drawing.
    std::vector<DrawOp> ops_;
    std::size_t opCount_ = 0;
    // The picture's texts are the first textCount_; the strings after them
    // keep their room for the next picture.
    std::vector<std::string> texts_;
    std::size_t textCount_ = 0;
    std::vector<PartMark> parts_;
    float currentX_ = 0;
    float currentY_ = 0;
    std::uint16_t width_ = 1;
    std::uint8_t style_ = 0;
    float font_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace orvath
