// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

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
    std::string text;
};

// Every colour and pen the picture shows now, with its meaning.
std::vector<KeyEntry> KeyEntries(const Construction& c, const Shown& shown);

// The key's place: its backing, in a corner of the frame that leaves the
// proof in sight where one can. None when no corner is free.
std::optional<Box> PlaceKey(const Construction& c, const std::vector<KeyEntry>& entries,
                            LabelLayout& layout);

// Draws the key in its box, in the labels' face (whose size is set).
void DrawKey(const std::vector<KeyEntry>& entries, const Box& box, const LabelLayout& layout,
             Surface& s);

// The names of the two media, beside the boundary at the left: "medium 1:
// air" above, "medium 2: water, n = 1.33" below (the pair's names when the
// index is a known pair's).
void PlaceMediaNames(const Construction& c, LabelLayout& layout, std::vector<PlacedText>& placed);

}  // namespace orvath::exact
