// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/frame_palette.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvath {
namespace {

// A frame with more colours than this (a photograph or a gradient; never a
// picture of the program) picks its palette among its most frequent colours
// only, which keeps the choice fast.
constexpr std::size_t kMaxCandidates = 8192;
constexpr std::size_t kPaletteSize = 256;

int Distance(Argb a, Argb b) {
    const int red = RedOf(a) - RedOf(b);
    const int green = GreenOf(a) - GreenOf(b);
    const int blue = BlueOf(a) - BlueOf(b);
    return red * red + green * green + blue * blue;
}

struct Colour {
    Argb rgb;
    std::uint32_t pixels;
};

struct Palette {
    std::vector<Argb> entries;
    std::vector<std::uint8_t> entryOf;  // of each colour, in the colours' order
};

std::uint8_t Nearest(const std::vector<Argb>& entries, Argb rgb) {
    int best = std::numeric_limits<int>::max();
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < entries.size() && best > 0; ++i) {
        if (const int distance = Distance(entries[i], rgb); distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return static_cast<std::uint8_t>(nearest);
}

// The palette for `colours` (see the top of this file). Reorders them, most
// frequent first when there are too many to consider all.
Palette ChoosePalette(std::vector<Colour>& colours) {
    Palette palette;
    palette.entryOf.resize(colours.size());
    if (colours.size() <= kPaletteSize) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            palette.entries.push_back(colours[i].rgb);
            palette.entryOf[i] = static_cast<std::uint8_t>(i);
        }
        return palette;
    }
    const auto morePixels = [](const Colour& a, const Colour& b) { return a.pixels > b.pixels; };
    const std::size_t candidates = std::min(colours.size(), kMaxCandidates);
    std::nth_element(colours.begin(), colours.begin() + (candidates - 1), colours.end(),
                     morePixels);

    // gap: each candidate's squared distance to its nearest entry so far.
    std::vector<int> gap(candidates, std::numeric_limits<int>::max());
    std::vector<double> weight(candidates);
    for (std::size_t i = 0; i < candidates; ++i) {
        weight[i] = std::sqrt(static_cast<double>(colours[i].pixels));
    }
    std::size_t next = std::min_element(colours.begin(), colours.begin() + candidates, morePixels) -
                       colours.begin();
    while (palette.entries.size() < kPaletteSize) {
        const Argb entry = colours[next].rgb;
        const auto entryIndex = static_cast<std::uint8_t>(palette.entries.size());
        palette.entries.push_back(entry);
        double worst = 0;
        for (std::size_t i = 0; i < candidates; ++i) {
            if (const int distance = Distance(colours[i].rgb, entry); distance < gap[i]) {
                gap[i] = distance;
                palette.entryOf[i] = entryIndex;
            }
            if (const double error = weight[i] * gap[i]; error > worst) {
                worst = error;
                next = i;
            }
        }
    }
    for (std::size_t i = candidates; i < colours.size(); ++i) {
        palette.entryOf[i] = Nearest(palette.entries, colours[i].rgb);
    }
    return palette;
}

}  // namespace

// The colours of a frame, each with a number: first how many pixels have it,
// later its palette entry. An open-addressing hash table keyed by the opaque
// colour, which is never 0, the key of an empty slot.
class FramePalette::ColourTable {
  public:
    explicit ColourTable(const PixelView& frame) : slots_(kStartSize) {
        Argb last = 0;
        std::uint32_t* number = nullptr;
        for (int y = 0; y < frame.height; ++y) {
            const Argb* line = frame.Row(y);
            for (int x = 0; x < frame.width; ++x) {
                // Runs of one colour are the rule: look each run up once.
                if (const Argb key = line[x] | kOpaque; key != last) {
                    last = key;
                    number = &Add(key);
                }
                ++*number;
            }
        }
    }

    std::vector<Colour> Colours() const {
        std::vector<Colour> colours;
        colours.reserve(used_);
        for (const Slot& slot : slots_) {
            if (slot.key != 0) {
                colours.push_back({slot.key, slot.number});
            }
        }
        return colours;
    }

    // The number of a colour of the frame.
    std::uint32_t& Number(Argb rgb) { return slots_[Find(rgb | kOpaque)].number; }
    std::uint32_t Number(Argb rgb) const { return slots_[Find(rgb | kOpaque)].number; }

    static constexpr Argb kOpaque = 0xff000000u;

  private:
    static constexpr std::size_t kStartSize = 4096;  // a power of two

    struct Slot {
        Argb key = 0;
        std::uint32_t number = 0;
    };

    // The slot of `key`, or the empty one where it goes.
    std::size_t Find(Argb key) const {
        const std::size_t mask = slots_.size() - 1;
        std::uint32_t hash = key;  // mixed so that every channel reaches the low bits
        hash = (hash ^ (hash >> 16)) * 0x7feb352du;
        hash = (hash ^ (hash >> 15)) * 0x846ca68bu;
        std::size_t i = (hash ^ (hash >> 16)) & mask;
        while (slots_[i].key != 0 && slots_[i].key != key) {
            i = (i + 1) & mask;
        }
        return i;
    }

    std::uint32_t& Add(Argb key) {
        std::size_t i = Find(key);
        if (slots_[i].key == 0) {
            if (2 * (used_ + 1) > slots_.size()) {
                Grow();
                i = Find(key);
            }
            slots_[i].key = key;
            ++used_;
        }
        return slots_[i].number;
    }

    void Grow() {
        std::vector<Slot> old(2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.key != 0) {
                slots_[Find(slot.key)] = slot;
            }
        }
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

FramePalette::FramePalette(const PixelView& frame) : table_(std::make_unique<ColourTable>(frame)) {
    std::vector<Colour> colours = table_->Colours();
    Palette palette = ChoosePalette(colours);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        table_->Number(colours[i].rgb) = palette.entryOf[i];
    }
    entries_ = std::move(palette.entries);
}

FramePalette::~FramePalette() = default;

std::uint8_t FramePalette::EntryOf(Argb colour) const {
    return static_cast<std::uint8_t>(table_->Number(colour));
}

}  // namespace orvath
