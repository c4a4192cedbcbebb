// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "exact/inline_list.h"

namespace orvath::exact {
namespace {

// Past its own room the list moves to the heap and keeps every item, in order.
TEST(InlineList, KeepsEveryItemInOrderPastItsOwnRoom) {
    InlineList<int, 4> list;
    std::vector<int> expected;
    for (int i = 0; i < 11; ++i) {
        list.Add(i * i);
        expected.push_back(i * i);
        EXPECT_EQ(std::vector<int>(list.begin(), list.end()), expected);
        EXPECT_EQ(list.Last(), i * i);
        EXPECT_EQ(list.Items().size(), expected.size());
    }
}

}  // namespace
}  // namespace orvath::exact
