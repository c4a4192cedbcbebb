// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "exact/labels.h"
#include "exact/steps.h"

namespace orvath::exact {

// One line of the key: a sample of a colour and pen, and what it means.
struct KeyEntry {
    enum class Sample { Line, Arc, Dot };
    Sample sample = Sample::Line;
    std::array<Rgb, 3> colours{};  // side by side, the first `count`
    std::size_t count = 0;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    std::string_view text;  // the catalogue's
};

// The lines of the key, top first: one for each wave drawn, the wavelets of
// medium 2 without a front, the earlier fronts, the tangent points, the proof.
struct Key {
    std::array<KeyEntry, 7> entries{};
    std::size_t count = 0;

    std::span<const KeyEntry> Entries() const { return {entries.data(), count}; }
};

// Every colour and pen the picture shows now, with its meaning.
Key MakeKey(const Construction& c, const Shown& shown);

// The key's place: its backing, in a corner of the frame that leaves the
// proof in sight where one can. None when no corner is free.
std::optional<Box> PlaceKey(const Construction& c, const Key& key, LabelLayout& layout);

// Draws the key in its box, in the labels' face (whose size is set).
void DrawKey(const Key& key, const Box& box, const LabelLayout& layout, Surface& s);

// The names of the two media, beside the boundary at the left: "medium 1:
// air" above, "medium 2: water, n = 1.33" below (the pair's names when the
// index is a known pair's).
void PlaceMediaNames(const Construction& c, LabelLayout& layout);

}  // namespace orvath::exact
