// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/media.h"

#include <array>

#include "model/bar_settings.h"

namespace orvath {
namespace {

// The index of each pair is that of the second medium over that of the
// first: air 1.00, water 1.33, glass 1.50, diamond 2.42.
constexpr auto kMediaPairs = std::to_array<MediaPair>({
    {"air", "water", 133},
    {"air", "glass", 150},
    {"air", "diamond", 242},
    {"water", "glass", 113},
    {"water", "air", 75},
    {"glass", "water", 89},
    {"glass", "air", 67},
    {"diamond", "air", 41},
});

}  // namespace

std::string MediaPair::Word() const {
    return std::string(from) + "-" + std::string(to);
}

std::string MediaPair::Name() const {
    return std::string(from) + " to " + std::string(to);
}

std::span<const MediaPair> KnownMediaPairs() {
    return kMediaPairs;
}

bool FitsIndexBar(const MediaPair& pair) {
    return ClampToRange(Bar::Index, pair.indexTimes100) == pair.indexTimes100;
}

std::vector<MediaPair> MediaPresets() {
    std::vector<MediaPair> presets;
    for (const MediaPair& pair : kMediaPairs) {
        if (FitsIndexBar(pair)) {
            presets.push_back(pair);
        }
    }
    return presets;
}

std::optional<MediaPair> MediaPairNamed(std::string_view word) {
    for (const MediaPair& pair : kMediaPairs) {
        if (pair.Word() == word) {
            return pair;
        }
    }
    return std::nullopt;
}

std::optional<MediaPair> MediaPresetAt(int indexTimes100) {
    for (const MediaPair& pair : kMediaPairs) {
        if (pair.indexTimes100 == indexTimes100 && FitsIndexBar(pair)) {
            return pair;
        }
    }
    return std::nullopt;
}

}  // namespace orvath
