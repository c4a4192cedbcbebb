// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/svg_picture.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

#include "surface/picture_fonts.h"

namespace orvath::web {
namespace {

// A number with at most two decimals and no trailing zeros.
std::string Num(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string Colour(float packed) {
    const long rgb = packed < 0 ? 0 : static_cast<long>(packed);
    char text[8];
    std::snprintf(text, sizeof text, "#%06lx", rgb & 0xffffff);
    return text;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Builds the drawing from the records: lines and arcs with one pen go into
// one path, as the page strokes them.
class SvgWriter {
  public:
    SvgWriter(const PackedPicture& packed, int width, int height) : packed_(packed) {
        out_ =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
            std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
            std::to_string(width) + " " + std::to_string(height) +
            "\">\n<title>Orvath</title>\n"
            "<desc>Refraction of a plane wave by secondary wavelets</desc>\n"
            "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
        std::size_t start = 0;
        for (std::size_t end = 0; end <= packed.texts.size(); ++end) {
            if (end == packed.texts.size() || packed.texts[end] == '\n') {
                texts_.push_back(packed.texts.substr(start, end - start));
                start = end + 1;
            }
        }
    }

    std::string Write() {
        const std::vector<float>& r = packed_.records;
        for (std::size_t i = 0; i < r.size();) {
            switch (static_cast<PackedTag>(r[i])) {
                case PackedTag::Pen:
                    Stroke();
                    colour_ = Colour(r[i + 1]);
                    width_ = r[i + 2];
                    style_ = static_cast<int>(r[i + 3]);
                    i += 4;
                    break;
                case PackedTag::Line:
                    path_ += "M" + Num(r[i + 1]) + " " + Num(r[i + 2]) + "L" + Num(r[i + 3]) + " " +
                             Num(r[i + 4]);
                    i += 5;
                    break;
                case PackedTag::Arc:
                    Arc(r[i + 1], r[i + 2], r[i + 3], r[i + 4], r[i + 5]);
                    i += 6;
                    break;
                case PackedTag::Dot:
                    Stroke();
                    Dot(r[i + 1], r[i + 2]);
                    i += 3;
                    break;
                case PackedTag::Text:
                    Stroke();
                    Text(r[i + 1], r[i + 2], static_cast<std::size_t>(r[i + 3]));
                    i += 4;
                    break;
                case PackedTag::Font:
                    fontPx_ = r[i + 1];
                    face_ = static_cast<PackedFace>(r[i + 2]);
                    i += 3;
                    break;
                case PackedTag::Backing:
                    Stroke();
                    out_ += "<rect x=\"" + Num(r[i + 1]) + "\" y=\"" + Num(r[i + 2]) +
                            "\" width=\"" + Num(r[i + 3]) + "\" height=\"" + Num(r[i + 4]) +
                            "\" fill=\"" + Colour(r[i + 5]) + "\"/>\n";
                    i += 6;
                    break;
                default:
                    i = r.size();
            }
        }
        Stroke();
        return out_ + "</svg>\n";
    }

  private:
    // Anticlockwise on the page (y down) from `from` to `to`, in pieces of
    // less than half a turn, which an SVG arc command draws unambiguously.
    void Arc(double x, double y, double radius, double from, double to) {
        const double sweep = from - to;
        const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / 3)));
        const auto at = [&](double angle) {
            return Num(x + radius * std::cos(angle)) + " " + Num(y + radius * std::sin(angle));
        };
        path_ += "M" + at(from);
        for (int k = 1; k <= pieces; ++k) {
            path_ +=
                "A" + Num(radius) + " " + Num(radius) + " 0 0 0 " + at(from - sweep * k / pieces);
        }
    }

    void Dot(double x, double y) {
        if (width_ <= 1) {
            out_ += "<rect x=\"" + Num(x - 0.5) + "\" y=\"" + Num(y - 0.5) +
                    "\" width=\"1\" height=\"1\" fill=\"" + colour_ + "\"/>\n";
        } else {
            out_ += "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" + Num(width_ / 2) +
                    "\" fill=\"" + colour_ + "\"/>\n";
        }
    }

    void Text(double x, double y, std::size_t index) {
        const std::string text = index < texts_.size() ? texts_[index] : std::string();
        const bool label = face_ == PackedFace::Label;
        const double ascent = label ? kLabelAscentEm : kPrintAscentEm;
        const std::string_view families = label ? kLabelFontFamilies : kPrintFontFamilies;
        out_ += "<text x=\"" + Num(x) + "\" y=\"" + Num(y + ascent * fontPx_) +
                "\" font-family=\"" + std::string(families) + "\" font-size=\"" + Num(fontPx_) +
                "px\" fill=\"#000000\" xml:space=\"preserve\">" + Escaped(text) + "</text>\n";
    }

    // Writes the gathered lines and arcs with the current pen: Qt's dash
    // patterns in pen widths, flat caps, miter joins.
    void Stroke() {
        if (path_.empty()) {
            return;
        }
        out_ += "<path fill=\"none\" stroke=\"" + colour_ + "\" stroke-width=\"" + Num(width_) +
                "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\"";
        if (style_ == static_cast<int>(LineStyle::Dashed)) {
            out_ += " stroke-dasharray=\"" + Num(4 * width_) + " " + Num(2 * width_) + "\"";
        } else if (style_ == static_cast<int>(LineStyle::Dotted)) {
            out_ += " stroke-dasharray=\"" + Num(width_) + " " + Num(2 * width_) + "\"";
        }
        out_ += " d=\"" + path_ + "\"/>\n";
        path_.clear();
    }

    const PackedPicture& packed_;
    std::vector<std::string> texts_;
    std::string out_;
    std::string path_;
    std::string colour_ = "#000000";
    double width_ = 1;
    int style_ = 0;
    double fontPx_ = 0;
    PackedFace face_ = PackedFace::Print;
};

}  // namespace

std::string SvgPicture(const PackedPicture& packed, int width, int height) {
    return SvgWriter(packed, width, height).Write();
}

}  // namespace orvath::web
