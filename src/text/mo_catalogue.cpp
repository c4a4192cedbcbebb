// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/mo_catalogue.h"

#include <cstdint>

namespace orvath::text {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr std::size_t kHeaderBytes = 28;

}  // namespace

std::optional<MoCatalogue> MoCatalogue::Read(std::span<const unsigned char> bytes) {
    if (bytes.size() < kHeaderBytes) {
        return std::nullopt;
    }
    const auto word = [&](std::size_t at, bool swapped) {
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            value |= std::uint32_t{bytes[at + k]} << (8 * (swapped ? 3 - k : k));
        }
        return value;
    };
    const std::uint32_t magic = word(0, false);
    if (magic != kMagic && magic != kSwappedMagic) {
        return std::nullopt;
    }
    const bool swapped = magic == kSwappedMagic;
    const std::size_t count = word(8, swapped);
    const std::size_t originals = word(12, swapped);
    const std::size_t translations = word(16, swapped);
    if (originals > bytes.size() || translations > bytes.size() ||
        count > (bytes.size() - originals) / 8 || count > (bytes.size() - translations) / 8) {
        return std::nullopt;
    }
    // The text that entry `i` of the table at `table` describes.
    const auto text = [&](std::size_t table, std::size_t i) -> std::optional<std::string_view> {
        const std::size_t length = word(table + 8 * i, swapped);
        const std::size_t offset = word(table + 8 * i + 4, swapped);
        if (offset > bytes.size() || length >= bytes.size() - offset) {
            return std::nullopt;
        }
        return std::string_view(reinterpret_cast<const char*>(bytes.data()) + offset, length);
    };
    MoCatalogue catalogue;
    for (std::size_t i = 0; i < count; ++i) {
        const auto original = text(originals, i);
        const auto translation = text(translations, i);
        if (!original || !translation) {
            return std::nullopt;
        }
        // The header (an empty original) is no text of the program.
        if (!original->empty() && !translation->empty()) {
            catalogue.texts_.emplace(*original, *translation);
        }
    }
    return catalogue;
}

std::optional<std::string_view> MoCatalogue::Find(std::string_view original) const {
    if (const auto it = texts_.find(original); it != texts_.end()) {
        return it->second;
    }
    return std::nullopt;
}

}  // namespace orvath::text
