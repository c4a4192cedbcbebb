// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/media.h"

#include <array>

#include "model/bar_settings.h"
#include "text/translate.h"

namespace orvath {
namespace {

// The index of each pair is that of the second medium over that of the
// first: air 1.00, water 1.33, glass 1.50, diamond 2.42.
constexpr auto kMediaPairs = std::to_array<MediaPair>({
    {TrMark("air"), TrMark("water"), 133},
    {TrMark("air"), TrMark("glass"), 150},
    {TrMark("air"), TrMark("diamond"), 242},
    {TrMark("water"), TrMark("glass"), 113},
    {TrMark("water"), TrMark("air"), 75},
    {TrMark("glass"), TrMark("water"), 89},
    {TrMark("glass"), TrMark("air"), 67},
    {TrMark("diamond"), TrMark("air"), 41},
});

}  // namespace

std::string MediaPair::Word() const {
    return std::string(from) + "-" + std::string(to);
}

std::string MediaPair::Name() const {
    return TrFormat("%1 to %2", {Tr(from), Tr(to)});
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
