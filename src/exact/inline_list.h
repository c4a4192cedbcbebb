// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace orvath::exact {

// A list that holds its first N items in itself, so that a picture's worth
// needs no heap; one item more moves the whole list to the heap.
template <typename T, std::size_t N>
class InlineList {
  public:
    void Add(const T& item) {
        if (heap_.empty() && size_ < N) {
            inline_[size_++] = item;
            return;
        }
        if (heap_.empty()) {
            heap_.assign(inline_.begin(), inline_.begin() + size_);
        }
        heap_.push_back(item);
        ++size_;
    }
    const T* begin() const { return Data(); }
    const T* end() const { return Data() + size_; }
    const T& Last() const { return Data()[size_ - 1]; }
    std::span<const T> Items() const { return {Data(), size_}; }

  private:
    const T* Data() const { return heap_.empty() ? inline_.data() : heap_.data(); }

    std::array<T, N> inline_{};
    std::vector<T> heap_;
    std::size_t size_ = 0;
};

}  // namespace orvath::exact
