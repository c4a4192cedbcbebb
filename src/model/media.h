// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvath {

// Two media and their relative refractive index n = c1 / c2: the wave comes
// from the first (above the boundary) into the second (below).
struct MediaPair {
    std::string_view from;  // "air"
    std::string_view to;    // "water"
    int indexTimes100 = 0;  // as the index bar holds it: 133 for 1.33

    // "air-water": what --medium takes.
    std::string Word() const;
    // "air to water", in the chosen language.
    std::string Name() const;
};

// Every pair the program knows, including those the index bar cannot take.
std::span<const MediaPair> KnownMediaPairs();
// Whether the index bar's range holds the pair's index.
bool FitsIndexBar(const MediaPair& pair);
// The pairs the index bar can take, in the order of the table: the presets.
std::vector<MediaPair> MediaPresets();
// The known pair of that word ("air-water"), whether it fits the bar or not.
std::optional<MediaPair> MediaPairNamed(std::string_view word);
// The preset whose index is exactly this one.
std::optional<MediaPair> MediaPresetAt(int indexTimes100);

}  // namespace orvath
