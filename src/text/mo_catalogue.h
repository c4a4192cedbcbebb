// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>

namespace orvath::text {

// The translations of a gettext MO file, read in place: the texts point into
// the bytes, which must outlive the catalogue.
class MoCatalogue {
  public:
    // Nothing when the bytes are no MO file or point outside themselves.
    static std::optional<MoCatalogue> Read(std::span<const unsigned char> bytes);

    // The translation of `original`, or nothing when the catalogue has none.
    std::optional<std::string_view> Find(std::string_view original) const;
    std::size_t Size() const { return texts_.size(); }

  private:
    std::unordered_map<std::string_view, std::string_view> texts_;
};

}  // namespace orvath::text
