#include "orvik/api/IdSet.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace Orvik {
namespace {

TEST(IdSet, KeepsInsertionOrderAndRefusesRepeatsWhenChecked) {
    IdSet ids;
    EXPECT_TRUE(ids.AddWithUniquenessCheck("b"));
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a"));
    EXPECT_FALSE(ids.AddWithUniquenessCheck("b"));
    ids.AddWithoutUniquenessCheck("a");

    EXPECT_EQ(ids, (IdSet{"b", "a", "a"}));
    EXPECT_TRUE(ids.Contains("a"));
    EXPECT_FALSE(ids.Contains("c"));
}

TEST(IdSet, AtOutOfRangeThrowsWithFixedText) {
    const IdSet ids{"x"};
    EXPECT_EQ(ids.At(0), UTF8String("x"));
    try {
        ids.At(1);
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
}

TEST(IdSet, ClearForgetsIdsForTheUniquenessCheck) {
    IdSet ids{"a"};
    ids.Clear();
    EXPECT_TRUE(ids.IsEmpty());
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a"));
}

TEST(IdSet, ManyIdsStayUniqueAndOrdered) {
    constexpr int kCount = 100000;
    IdSet ids;
    for (int i = 0; i < kCount; ++i)
        ids.AddWithUniquenessCheck(UTF8String(std::to_string(i)));
    int refused = 0;
    for (int i = kCount - 1; i >= 0; --i)
        refused += ids.AddWithUniquenessCheck(UTF8String(std::to_string(i))) ? 0 : 1;

    EXPECT_EQ(refused, kCount);
    ASSERT_EQ(ids.Size(), static_cast<std::size_t>(kCount));
    EXPECT_EQ(ids.At(0), UTF8String("0"));
    EXPECT_EQ(ids.At(kCount - 1), UTF8String(std::to_string(kCount - 1)));
}

} // namespace
} // namespace Orvik
