// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/key.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "exact/palette.h"
#include "exact/pen.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "surface/picture_fonts.h"
#include "text/translate.h"

namespace orvath::exact {
namespace {

constexpr Wave kWaves[] = {Wave::Incident, Wave::Refracted, Wave::Reflected};
// A sample is this many ems wide, and this far from its text.
constexpr double kSampleEm = 2.4;
constexpr double kSampleGapEm = 0.6;
// The key's frame stands this many ems off its contents.
constexpr double kMarginEm = 0.5;

std::size_t At(Wave wave) {
    return static_cast<std::size_t>(wave);
}

std::string_view WaveText(Wave wave, bool wavelets) {
    constexpr std::string_view kTexts[][2] = {
        {TrMark("incident rays and front"), TrMark("incident rays, front, wavelets")},
        {TrMark("refracted rays and front"), TrMark("refracted rays, front, wavelets")},
        {TrMark("reflected rays and front"), TrMark("reflected rays, front, wavelets")},
    };
    return Tr(kTexts[At(wave)][wavelets ? 1 : 0]);
}

}  // namespace

Key MakeKey(const Construction& c, const Shown& shown) {
    using Sample = KeyEntry::Sample;
    Key key;
    const auto add = [&](Sample sample, std::initializer_list<Rgb> colours, int width,
                         LineStyle style, std::string_view text) {
        KeyEntry& entry = key.entries.at(key.count++);
        entry.sample = sample;
        for (const Rgb colour : colours) {
            entry.colours.at(entry.count++) = colour;
        }
        entry.width = width;
        entry.style = style;
        entry.text = text;
        return std::ref(entry);
    };
    for (const Wave wave : kWaves) {
        if (shown.rays.at(At(wave))) {
            const bool wavelets = shown.wavelets.at(At(wave));
            KeyEntry& entry = add(Sample::Line, {RayColour(wave)}, kFrontWidth, LineStyle::Solid,
                                  WaveText(wave, wavelets));
            if (wavelets) {
                entry.colours.at(entry.count++) = WaveletColour(wave);
            }
        }
    }
    if (!c.Refracts() && shown.wavelets.at(At(Wave::Refracted))) {
        add(Sample::Arc, {WaveletColour(Wave::Refracted)}, 1, LineStyle::Dotted,
            Tr("wavelets in medium 2: no front"));
    }
    KeyEntry trails;
    for (const Wave wave : kWaves) {
        if (shown.earlierFronts.at(At(wave))) {
            trails.colours.at(trails.count++) = TrailColour(wave);
        }
    }
    if (trails.count > 0) {
        KeyEntry& entry = add(Sample::Line, {}, 1, LineStyle::Dashed, Tr("fronts a period before"));
        entry.colours = trails.colours;
        entry.count = trails.count;
    }
    if (shown.tangentPoints) {
        add(Sample::Dot, {kTangentDot}, kTangentDotWidth, LineStyle::Solid,
            Tr("where a wavelet touches its front"));
    }
    if (c.optics.angleDeg > 0) {
        add(Sample::Line, {kProof}, 2, LineStyle::Solid, Tr("proof of Snell's law"));
    }
    return key;
}

std::optional<Box> PlaceKey(const Construction& c, const Key& key, LabelLayout& layout) {
    if (key.count == 0) {
        return std::nullopt;
    }
    const double em = layout.Em();
    static_assert(std::tuple_size_v<decltype(Key::entries)> <= Block::kMostLines);
    Block lines;
    for (const KeyEntry& entry : key.Entries()) {
        layout.AddLine(lines, entry.text);
    }
    const Box& block = lines.bounds;
    const double margin = kMarginEm * em;
    const double width = (kSampleEm + kSampleGapEm) * em + (block.right - block.left) + 2 * margin;
    const double height = (block.top - block.bottom) + 2 * margin;
    const WorldBounds& f = c.frame;
    const double gap = 0.5 * em;
    // Bottom left, bottom right, top right: the panel has the top left.
    const Vec corners[] = {{f.left + gap, f.bottom + gap + height},
                           {f.right - gap - width, f.bottom + gap + height},
                           {f.right - gap - width, f.top - gap}};
    for (const bool clear : {true, false}) {
        for (const Vec at : corners) {
            const Box box{at.x, at.y - height, at.x + width, at.y};
            if (layout.Free(box, clear)) {
                layout.Take(box);
                return box;
            }
        }
    }
    return std::nullopt;
}

void DrawKey(const Key& key, const Box& box, const LabelLayout& layout, Surface& s) {
    using Sample = KeyEntry::Sample;
    const double em = layout.Em();
    s.BeginPart(Part::Key);
    s.Backing(F(box.left), F(box.top), F(box.right), F(box.bottom), kBackgroundRgb);
    const Vec corners[] = {
        {box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}};
    for (int i = 0; i < 4; ++i) {
        DrawSegment(s, corners[i], corners[(i + 1) % 4], kKeyFrame);
    }
    const double margin = kMarginEm * em;
    const double textHeight = (kLabelAscentEm + kLabelDescentEm) * em;
    double top = box.top - margin;
    for (const KeyEntry& entry : key.Entries()) {
        const double middle = top - textHeight / 2;
        const double left = box.left + margin;
        const double each = kSampleEm * em / static_cast<double>(entry.count);
        s.DrawWidth(entry.width);
        s.DrawStyle(entry.style);
        for (std::size_t k = 0; k < entry.count; ++k) {
            const double x = left + each * static_cast<double>(k);
            const Rgb colour = entry.colours[k];
            switch (entry.sample) {
                case Sample::Line:
                    // A second colour of a wave is its wavelets: a small arc.
                    if (k > 0 && entry.style == LineStyle::Solid) {
                        s.DrawWidth(1);
                        s.Circle(F(x + each / 2), F(middle - 0.3 * em), F(0.45 * em), 0,
                                 F(std::numbers::pi), colour);
                        s.DrawWidth(entry.width);
                    } else {
                        DrawSegment(s, {x + 0.1 * em, middle}, {x + each - 0.1 * em, middle},
                                    colour);
                    }
                    break;
                case Sample::Arc:
                    s.Circle(F(x + each / 2), F(middle - 0.4 * em), F(0.6 * em), 0,
                             F(std::numbers::pi), colour);
                    break;
                case Sample::Dot:
                    s.PSet(F(x + each / 2), F(middle), colour);
                    break;
            }
        }
        s.DrawWidth(1);
        s.DrawStyle(LineStyle::Solid);
        s.SetCurrent(F(left + (kSampleEm + kSampleGapEm) * em), F(top));
        s.Print(entry.text);
        top -= layout.LineStep();
    }
}

void PlaceMediaNames(const Construction& c, LabelLayout& layout) {
    const int index = static_cast<int>(std::lround(c.optics.index * 100));
    const auto pair = c.indexHidden ? std::nullopt : MediaPresetAt(index);
    const std::string told =
        c.indexHidden ? std::string(kHiddenValue) : FormatFixed(index / 100.0, 2);
    const std::string_view above =
        pair ? layout.Keep({TrFormat("medium 1: %1", {Tr(pair->from)})}) : Tr("medium 1");
    const std::string_view below =
        layout.Keep({pair ? TrFormat("medium 2: %1, n = %2", {Tr(pair->to), told})
                          : TrFormat("medium 2: n = %1", {told})});
    const double em = layout.Em();
    const WorldBounds& f = c.frame;
    const double gap = 0.5 * em;
    const double height = (kLabelAscentEm + kLabelDescentEm) * em;
    const auto place = [&](std::string_view text, double top) {
        Block block;
        layout.AddLine(block, text);
        const double width = LabelTextWidthEm(text) * em;
        const std::array<Vec, 2> corners{{{f.left + gap, top}, {f.right - 2 * gap - width, top}}};
        layout.PlaceBlock(block, corners);
    };
    place(above, height + gap);
    place(below, -gap);
}

}  // namespace orvath::exact
