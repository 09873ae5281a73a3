#include "orvik/api/aec/AECEnumNames.h"

#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

// Every literal, in value order, as documents spell it; names and lookups must agree with it.
template <typename Enum>
void ExpectLiterals(const std::string& literals, bool (*lookup)(std::u16string_view, Enum&)) {
    std::istringstream split(literals);
    const std::vector<std::string> names{std::istream_iterator<std::string>(split), {}};
    for (std::uint32_t value = 0; value < names.size(); ++value) {
        SCOPED_TRACE(names[value]);
        EXPECT_EQ(AECEnumNames::Name(static_cast<Enum>(value)), names[value]);
        Enum back{};
        ASSERT_TRUE(lookup(std::u16string(names[value].begin(), names[value].end()), back));
        EXPECT_EQ(static_cast<std::uint32_t>(back), value);
    }
}

TEST(AECEnumNamesTest, EveryLiteralNamesItsValueBothWays) {
    ExpectLiterals<AECRoleEnum>(
        "kSupplier kManufacturer kContractor kSubcontractor kArchitect kStructuralEngineer "
        "kCostsEngineer kClient kBuildingOwner kBuildingOperator kMechanicalEngineer "
        "kElectricalEngineer kProjectManager kFacilityManager kCivilEngineer "
        "kCommissioningEngineer kEngineer kOwner kConsultant kConstructionManager "
        "kFieldConstructionManager kResident kUserDefined",
        AECEnumNames::LookupRole);
    ExpectLiterals<AECAddressPurposeEnum>("kOffice kSite kHome kDistributionpoint kUserDefined",
                                          AECEnumNames::LookupAddressPurpose);
    ExpectLiterals<AECOwnerHistoryStateEnum>(
        "kLocked kReadOnly kReadOnlyLocked kReadWrite kReadWriteLocked",
        AECEnumNames::LookupOwnerHistoryState);
    ExpectLiterals<AECChangeActionEnum>("kAdded kDeleted kModified kNoChange kNotDefined",
                                        AECEnumNames::LookupChangeAction);
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
