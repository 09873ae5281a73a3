#include "orvik/api/aec/AECEnumNames.h"

#include <array>
#include <string_view>

namespace Orvik {
namespace {

// Each list is in the order of the enumeration's values, which run from 0 without gaps.
constexpr std::array<const char*, 23> kRoles{"kSupplier",
                                             "kManufacturer",
                                             "kContractor",
                                             "kSubcontractor",
                                             "kArchitect",
                                             "kStructuralEngineer",
                                             "kCostsEngineer",
                                             "kClient",
                                             "kBuildingOwner",
                                             "kBuildingOperator",
                                             "kMechanicalEngineer",
                                             "kElectricalEngineer",
                                             "kProjectManager",
                                             "kFacilityManager",
                                             "kCivilEngineer",
                                             "kCommissioningEngineer",
                                             "kEngineer",
                                             "kOwner",
                                             "kConsultant",
                                             "kConstructionManager",
                                             "kFieldConstructionManager",
                                             "kResident",
                                             "kUserDefined"};
constexpr std::array<const char*, 5> kPurposes{"kOffice", "kSite", "kHome", "kDistributionpoint",
                                               "kUserDefined"};
constexpr std::array<const char*, 5> kStates{"kLocked", "kReadOnly", "kReadOnlyLocked",
                                             "kReadWrite", "kReadWriteLocked"};
constexpr std::array<const char*, 5> kActions{"kAdded", "kDeleted", "kModified", "kNoChange",
                                              "kNotDefined"};

// The literals are ASCII, so a wide name matches when each unit equals the narrow character.
bool SameName(std::u16string_view wide, std::string_view narrow) {
    if (wide.size() != narrow.size())
        return false;
    for (std::size_t i = 0; i < wide.size(); ++i)
        if (wide[i] != static_cast<char16_t>(static_cast<unsigned char>(narrow[i])))
            return false;
    return true;
}

template <typename Enum, std::size_t N>
bool Lookup(const std::array<const char*, N>& names, std::u16string_view name, Enum& value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (SameName(name, names[i])) {
            value = static_cast<Enum>(i);
            return true;
        }
    }
    return false;
}

template <std::size_t N>
const char* NameOf(const std::array<const char*, N>& names, std::size_t index) {
    return index < N ? names[index] : "unknown";
}

} // namespace

bool AECEnumNames::LookupRole(std::u16string_view name, AECRoleEnum& role) {
    return Lookup(kRoles, name, role);
}

bool AECEnumNames::LookupAddressPurpose(std::u16string_view name, AECAddressPurposeEnum& purpose) {
    return Lookup(kPurposes, name, purpose);
}

bool AECEnumNames::LookupOwnerHistoryState(std::u16string_view name,
                                           AECOwnerHistoryStateEnum& state) {
    return Lookup(kStates, name, state);
}

bool AECEnumNames::LookupChangeAction(std::u16string_view name, AECChangeActionEnum& action) {
    return Lookup(kActions, name, action);
}

const char* AECEnumNames::Name(AECRoleEnum role) {
    return NameOf(kRoles, static_cast<std::size_t>(role));
}

const char* AECEnumNames::Name(AECAddressPurposeEnum purpose) {
    return NameOf(kPurposes, static_cast<std::size_t>(purpose));
}

const char* AECEnumNames::Name(AECOwnerHistoryStateEnum state) {
    return NameOf(kStates, static_cast<std::size_t>(state));
}

const char* AECEnumNames::Name(AECChangeActionEnum action) {
    return NameOf(kActions, static_cast<std::size_t>(action));
}

} // namespace Orvik
