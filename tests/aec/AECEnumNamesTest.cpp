#include "orvik/api/aec/AECEnumNames.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace Orvik::Test {
namespace {

std::u16string Wide(const char* text) {
    return std::u16string(text, text + std::strlen(text));
}

// Every value's name reads back as that value, for each enumeration separately.
template <typename Enum>
void ExpectRoundTrip(std::uint32_t count, bool (*lookup)(std::u16string_view, Enum&)) {
    for (std::uint32_t value = 0; value < count; ++value) {
        const char* name = AECEnumNames::Name(static_cast<Enum>(value));
        Enum back{};
        ASSERT_TRUE(lookup(Wide(name), back)) << name;
        EXPECT_EQ(static_cast<std::uint32_t>(back), value) << name;
    }
}

TEST(AECEnumNamesTest, NamesAndValuesRoundTripForEveryEnumeration) {
    ExpectRoundTrip<AECRoleEnum>(23, AECEnumNames::LookupRole);
    ExpectRoundTrip<AECAddressPurposeEnum>(5, AECEnumNames::LookupAddressPurpose);
    ExpectRoundTrip<AECOwnerHistoryStateEnum>(5, AECEnumNames::LookupOwnerHistoryState);
    ExpectRoundTrip<AECChangeActionEnum>(5, AECEnumNames::LookupChangeAction);
    EXPECT_STREQ(AECEnumNames::Name(AECOwnerHistoryStateEnum::kReadWrite), "kReadWrite");
    EXPECT_STREQ(AECEnumNames::Name(AECChangeActionEnum::kModified), "kModified");
}

TEST(AECEnumNamesTest, NamesMatchExactlyAndUnknownNamesLeaveTheTarget) {
    AECRoleEnum role = AECRoleEnum::kOwner;
    EXPECT_FALSE(AECEnumNames::LookupRole(u"karchitect", role));
    EXPECT_FALSE(AECEnumNames::LookupRole(u"kArchitect ", role));
    EXPECT_EQ(role, AECRoleEnum::kOwner);
    EXPECT_TRUE(AECEnumNames::LookupRole(u"kArchitect", role));
    EXPECT_EQ(role, AECRoleEnum::kArchitect);
}

} // namespace
} // namespace Orvik::Test
