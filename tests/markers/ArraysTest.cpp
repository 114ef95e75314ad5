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

// Runs `op`, expecting the range error for `index`.
template <typename Op>
void ExpectRangeError(Op op, int index)
{
    try {
        op();
        ADD_FAILURE() << "no error for index " << index;
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Index out of range: ") + QString::number(index));
    }
}

} // namespace

TEST(TArray, GrowsSetsDeletesAndClears)
{
    TArray array;
    EXPECT_EQ(array.Count(), 0);
    for (int value : {7, INT_MIN, INT_MAX, 7})
        array.Add(value);
    EXPECT_EQ(Contents(array), (std::vector<int>{7, INT_MIN, INT_MAX, 7}));

    array.SetItem(2, -1);
    array.Delete(0);
    EXPECT_EQ(Contents(array), (std::vector<int>{INT_MIN, -1, 7}));
    array.Delete(2);
    EXPECT_EQ(Contents(array), (std::vector<int>{INT_MIN, -1}));

    array.Clear();
    EXPECT_EQ(array.Count(), 0);
    array.Add(3);
    EXPECT_EQ(Contents(array), (std::vector<int>{3}));
}

TEST(TArray, BadIndexRaisesAndLeavesArrayUnchanged)
{
    TArray empty;
    for (int index : {0, -1})
        ExpectRangeError([&] { empty.Delete(index); }, index);
    EXPECT_EQ(empty.Count(), 0);

    TArray array;
    array.Add(10);
    array.Add(20);
    for (int index : {-1, 2, 3, INT_MIN, INT_MAX}) {
        ExpectRangeError([&] { array.GetItem(index); }, index);
        ExpectRangeError([&] { array.SetItem(index, 99); }, index);
        ExpectRangeError([&] { array.Delete(index); }, index);
    }
    EXPECT_EQ(Contents(array), (std::vector<int>{10, 20}));
}
