// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Arrays.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<int> Contents(const TArray& array)
{
    std::vector<int> out;
    for (int i = 0; i < array.Count(); ++i)
        out.push_back(array.GetItem(i));
    return out;
}

template <typename Op> void ExpectRangeError(Op op, int index)
{
    try {
        op();
        ADD_FAILURE() << "no error for index " << index;
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Index out of range: ") + QString::number(index));
    }
}

}   // namespace

TEST(TArray, GrowsSetsDeletesAndClears)
{
    TArray array;
    for (int value : {7, INT_MIN, INT_MAX, 7})
        array.Add(value);
    array.SetItem(2, -1);
    array.Delete(0);
    array.Delete(2);
    EXPECT_EQ(Contents(array), (std::vector<int>{INT_MIN, -1}));
    array.Clear();
    EXPECT_EQ(array.Count(), 0);
}

TEST(TArray, BadIndexRaisesAndLeavesArrayUnchanged)
{
    TArray array;
    ExpectRangeError([&] { array.Delete(0); }, 0);
    array.Add(10);
    array.Add(20);
    for (int index : {-1, 2, INT_MIN, INT_MAX}) {
        ExpectRangeError([&] { array.GetItem(index); }, index);
        ExpectRangeError([&] { array.SetItem(index, 99); }, index);
        ExpectRangeError([&] { array.Delete(index); }, index);
    }
    EXPECT_EQ(Contents(array), (std::vector<int>{10, 20}));
}
