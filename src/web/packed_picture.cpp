// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/packed_picture.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "model/world_frame.h"
#include "surface/picture_fonts.h"
#include "surface/screen_mapping.h"
#include "surface/view_clip.h"
#include "surface/zoomed_labels.h"

namespace orvath::web {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
// Extra room around the area, in pixels beyond the pen width, for the
// antialiased fringe.
constexpr double kFringePixels = 1;

// The counter-clockwise sweep from start to end in radians, in [0, 2 pi]; an
// end a rounding step past a full turn still counts as one full turn.
double CounterClockwiseSweep(double start, double end) {
    double sweep = end - start;
    if (sweep < 0) {
        sweep += kTurn;
    }
    return std::min(sweep, kTurn);
}

ViewRect Box(double x1, double y1, double x2, double y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The foreground stays the foreground: every theme keeps it black.
float PackedColour(Theme theme, Colour colour) {
    if (!colour) {
        return -1.0f;
    }
    const Rgb rgb = ThemeColour(theme, colour);
    return static_cast<float>(rgb.r * 65536 + rgb.g * 256 + rgb.b);
}

class Packer {
  public:
    Packer(const WorldFrame& frame, double widthPx, double heightPx, Theme theme, const Zoom& zoom,
           std::vector<float>& out, float firstText)
        : mapping_(frame, widthPx, heightPx, zoom),
          labels_(mapping_),
          theme_(theme),
          widthScale_(WidthScale(theme, widthPx, heightPx)),
          out_(out),
          firstText_(firstText),
          view_(mapping_.Area()) {}

    void Add(const DrawOp& op) {
        width_ = std::max<int>(1, op.width) * widthScale_;
        const double margin = width_ + kFringePixels;
        const ViewRect seen = Expanded(view_, margin / std::abs(mapping_.ScaleX()),
                                       margin / std::abs(mapping_.ScaleY()));
        switch (op.kind) {
            case DrawOp::Kind::Line:
                if (labels_.Holds(Box(op.x1, op.y1, op.x2, op.y2))) {
                    Pen(op);
                    const PixelPoint a = labels_.Place(op.x1, op.y1);
                    const PixelPoint b = labels_.Place(op.x2, op.y2);
                    Emit(PackedTag::Line, {F(a.x), F(a.y), F(b.x), F(b.y)});
                } else if (const auto cut = ClipSegment({op.x1, op.y1, op.x2, op.y2}, seen)) {
                    Pen(op);
                    Emit(PackedTag::Line, {X(cut->x1), Y(cut->y1), X(cut->x2), Y(cut->y2)});
                }
                break;
            case DrawOp::Kind::Circle:
                AddArc(op, seen);
                break;
            case DrawOp::Kind::PSet:
                if (labels_.Holds(Box(op.x1, op.y1, op.x1, op.y1))) {
                    Pen(op);
                    const PixelPoint at = labels_.Place(op.x1, op.y1);
                    Emit(PackedTag::Dot, {F(at.x), F(at.y)});
                } else if (op.x1 >= seen.left && op.x1 <= seen.right && op.y1 >= seen.bottom &&
                           op.y1 <= seen.top) {
                    Pen(op);
                    Emit(PackedTag::Dot, {X(op.x1), Y(op.y1)});
                }
                break;
            case DrawOp::Kind::Print: {
                Font(op);
                const bool label = labels_.Holds(Box(op.x1, op.y1, op.x1, op.y1));
                const PixelPoint at = labels_.Place(op.x1, op.y1);
                Emit(PackedTag::Text, {label ? F(at.x) : X(op.x1), label ? F(at.y) : Y(op.y1),
                                       firstText_ + static_cast<float>(op.text)});
                break;
            }
            case DrawOp::Kind::Backing: {
                // A label's backing is placed with the label, the others
                // with the world.
                const bool label = labels_.StartLabel(Box(op.x1, op.y1, op.x2, op.y2));
                const PixelPoint a = labels_.Place(op.x1, op.y1);
                const PixelPoint b = labels_.Place(op.x2, op.y2);
                const float x1 = label ? F(a.x) : X(op.x1);
                const float y1 = label ? F(a.y) : Y(op.y1);
                const float x2 = label ? F(b.x) : X(op.x2);
                const float y2 = label ? F(b.y) : Y(op.y2);
                Emit(PackedTag::Backing,
                     {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1),
                      PackedColour(Theme::Classic, op.colour)});
                break;
            }
        }
    }

  private:
    void AddArc(const DrawOp& op, const ViewRect& seen) {
        const double sweep = CounterClockwiseSweep(op.start, op.end);
        const double radius = op.x2;
        if (sweep <= 0 || radius <= 0) {
            return;
        }
        if (labels_.Holds(Box(op.x1 - radius, op.y1 - radius, op.x1 + radius, op.y1 + radius))) {
            Pen(op);
            const PixelPoint centre = labels_.Place(op.x1, op.y1);
            Emit(PackedTag::Arc,
                 {F(centre.x), F(centre.y), F(radius * labels_.LabelScale()),
                  static_cast<float>(-op.start), static_cast<float>(-(op.start + sweep))});
            return;
        }
        const ArcSpans spans = VisibleArcSpans(op.x1, op.y1, radius, {op.start, sweep}, seen);
        if (spans.count == 0) {
            return;
        }
        Pen(op);
        const auto r = static_cast<float>(radius * std::abs(mapping_.ScaleX()));
        for (const AngleSpan& span : spans) {
            // y down turns counter-clockwise into anticlockwise on the canvas
            // and every angle into its negative.
            Emit(PackedTag::Arc, {X(op.x1), Y(op.y1), r, static_cast<float>(-span.start),
                                  static_cast<float>(-(span.start + span.sweep))});
        }
    }

    // Emits a Font record when the font of the text `op` differs from the
    // last one.
    void Font(const DrawOp& op) {
        const bool label = op.font > 0;
        const auto size =
            static_cast<float>(label ? op.font * labels_.LabelScale()
                                     : kFormFontPoints * kPixelsPerPoint * PrintFontScale(theme_));
        const PackedFace face = label ? PackedFace::Label : PackedFace::Print;
        if (haveFont_ && size == fontSize_ && face == face_) {
            return;
        }
        haveFont_ = true;
        fontSize_ = size;
        face_ = face;
        Emit(PackedTag::Font, {size, static_cast<float>(face)});
    }

    // Emits a Pen record when the pen of `op` differs from the last one.
    void Pen(const DrawOp& op) {
        const float colour = PackedColour(theme_, op.colour);
        const int style = op.penStyle;
        if (havePen_ && colour == penColour_ && width_ == penWidth_ && style == penStyle_) {
            return;
        }
        havePen_ = true;
        penColour_ = colour;
        penWidth_ = width_;
        penStyle_ = style;
        Emit(PackedTag::Pen, {colour, static_cast<float>(width_), static_cast<float>(style)});
    }

    void Emit(PackedTag tag, std::initializer_list<float> fields) {
        assert(fields.size() == static_cast<std::size_t>(kPackedFields[static_cast<int>(tag)]));
        out_.push_back(static_cast<float>(tag));
        out_.insert(out_.end(), fields);
    }

    static float F(double pixels) { return static_cast<float>(pixels); }
    float X(double x) const { return static_cast<float>(mapping_.X(x)); }
    float Y(double y) const { return static_cast<float>(mapping_.Y(y)); }

    ScreenMapping mapping_;
    ZoomedLabels labels_;
    Theme theme_;
    double widthScale_;
    std::vector<float>& out_;
    float firstText_;  // the index of the list's first text among the packed ones
    ViewRect view_;
    double width_ = 1;
    bool havePen_ = false;
    float penColour_ = 0;
    double penWidth_ = 0;
    int penStyle_ = 0;
    bool haveFont_ = false;
    float fontSize_ = 0;
    PackedFace face_ = PackedFace::Print;
};

// "Times New Roman, Liberation Serif, serif" as CSS: names with blanks quoted.
std::string CssList(std::string_view families) {
    std::string css;
    while (!families.empty()) {
        const std::size_t comma = families.find(", ");
        const std::string_view name = families.substr(0, comma);
        families.remove_prefix(comma == std::string_view::npos ? families.size() : comma + 2);
        const bool quoted = name.find(' ') != std::string_view::npos;
        css += (css.empty() ? "" : ", ") + std::string(quoted ? "\"" : "") + std::string(name) +
               (quoted ? "\"" : "");
    }
    return css;
}

}  // namespace

std::string CssFamilies(PackedFace face) {
    return CssList(face == PackedFace::Label ? kLabelFontFamilies : kPrintFontFamilies);
}

void PackPicture(const DisplayList& list, double widthPx, double heightPx, Theme theme,
                 PackedPicture& packed, const Zoom& zoom) {
    packed.records.clear();
    packed.texts.clear();
    AddToPicture(list, widthPx, heightPx, theme, packed, zoom);
}

void AddToPicture(const DisplayList& list, double widthPx, double heightPx, Theme theme,
                  PackedPicture& packed, const Zoom& zoom) {
    const auto firstText =
        static_cast<float>(std::count(packed.texts.begin(), packed.texts.end(), '\n'));
    for (const std::string& text : list.Texts()) {
        packed.texts += text;
        packed.texts += '\n';
    }
    Packer packer(list.Frame(), widthPx, heightPx, theme, zoom, packed.records, firstText);
    for (const DrawOp& op : list.Ops()) {
        packer.Add(op);
    }
}

}  // namespace orvath::web
