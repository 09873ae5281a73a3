#include "orvik/api/IdSet.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace Orvik {
namespace {

TEST(IdSet, KeepsOrderRefusesRepeatsWhenCheckedAndBoundsAt) {
    IdSet ids;
    EXPECT_TRUE(ids.AddWithUniquenessCheck("b"));
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a"));
    EXPECT_FALSE(ids.AddWithUniquenessCheck("b"));
    ids.AddWithoutUniquenessCheck("a");

    EXPECT_EQ(ids, (IdSet{"b", "a", "a"}));
    EXPECT_TRUE(ids.Contains("a"));
    EXPECT_FALSE(ids.Contains("c"));

    ids.Clear();
    EXPECT_TRUE(ids.IsEmpty());
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a")) << "Clear must forget the index too";
    EXPECT_EQ(ids.At(0), UTF8String("a"));
    try {
        ids.At(1);
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
}

} // namespace
} // namespace Orvik
