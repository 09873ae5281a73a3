#include "aec/AECEnumNames.h"

#include <unordered_map>

namespace Orvik {

namespace {

template <typename Enum>
using NameTable = std::unordered_map<std::u16string_view, Enum>;

template <typename Enum>
bool Lookup(const NameTable<Enum>& table, std::u16string_view name, Enum& value) {
    const auto found = table.find(name);
    if (found == table.end())
        return false;
    value = found->second;
    return true;
}

const NameTable<AECRoleEnum>& RoleTable() {
    static const NameTable<AECRoleEnum> table{
        {u"kSupplier", AECRoleEnum::kSupplier},
        {u"kManufacturer", AECRoleEnum::kManufacturer},
        {u"kContractor", AECRoleEnum::kContractor},
        {u"kSubcontractor", AECRoleEnum::kSubcontractor},
        {u"kArchitect", AECRoleEnum::kArchitect},
        {u"kStructuralEngineer", AECRoleEnum::kStructuralEngineer},
        {u"kCostsEngineer", AECRoleEnum::kCostsEngineer},
        {u"kClient", AECRoleEnum::kClient},
        {u"kBuildingOwner", AECRoleEnum::kBuildingOwner},
        {u"kBuildingOperator", AECRoleEnum::kBuildingOperator},
        {u"kMechanicalEngineer", AECRoleEnum::kMechanicalEngineer},
        {u"kElectricalEngineer", AECRoleEnum::kElectricalEngineer},
        {u"kProjectManager", AECRoleEnum::kProjectManager},
        {u"kFacilityManager", AECRoleEnum::kFacilityManager},
        {u"kCivilEngineer", AECRoleEnum::kCivilEngineer},
        {u"kCommissioningEngineer", AECRoleEnum::kCommissioningEngineer},
        {u"kEngineer", AECRoleEnum::kEngineer},
        {u"kOwner", AECRoleEnum::kOwner},
        {u"kConsultant", AECRoleEnum::kConsultant},
        {u"kConstructionManager", AECRoleEnum::kConstructionManager},
        {u"kFieldConstructionManager", AECRoleEnum::kFieldConstructionManager},
        {u"kResident", AECRoleEnum::kResident},
        {u"kUserDefined", AECRoleEnum::kUserDefined},
    };
    return table;
}

const NameTable<AECAddressPurposeEnum>& AddressPurposeTable() {
    static const NameTable<AECAddressPurposeEnum> table{
        {u"kOffice", AECAddressPurposeEnum::kOffice},
        {u"kSite", AECAddressPurposeEnum::kSite},
        {u"kHome", AECAddressPurposeEnum::kHome},
        {u"kDistributionpoint", AECAddressPurposeEnum::kDistributionpoint},
        {u"kUserDefined", AECAddressPurposeEnum::kUserDefined},
    };
    return table;
}

const NameTable<AECOwnerHistoryStateEnum>& OwnerHistoryStateTable() {
    static const NameTable<AECOwnerHistoryStateEnum> table{
        {u"kLocked", AECOwnerHistoryStateEnum::kLocked},
        {u"kReadOnly", AECOwnerHistoryStateEnum::kReadOnly},
        {u"kReadOnlyLocked", AECOwnerHistoryStateEnum::kReadOnlyLocked},
        {u"kReadWrite", AECOwnerHistoryStateEnum::kReadWrite},
        {u"kReadWriteLocked", AECOwnerHistoryStateEnum::kReadWriteLocked},
    };
    return table;
}

const NameTable<AECChangeActionEnum>& ChangeActionTable() {
    static const NameTable<AECChangeActionEnum> table{
        {u"kAdded", AECChangeActionEnum::kAdded},
        {u"kDeleted", AECChangeActionEnum::kDeleted},
        {u"kModified", AECChangeActionEnum::kModified},
        {u"kNoChange", AECChangeActionEnum::kNoChange},
        {u"kNotDefined", AECChangeActionEnum::kNotDefined},
    };
    return table;
}

} // namespace

bool AECEnumNames::LookupRole(std::u16string_view name, AECRoleEnum& role) {
    return Lookup(RoleTable(), name, role);
}

bool AECEnumNames::LookupAddressPurpose(std::u16string_view name, AECAddressPurposeEnum& purpose) {
    return Lookup(AddressPurposeTable(), name, purpose);
}

bool AECEnumNames::LookupOwnerHistoryState(std::u16string_view name,
                                           AECOwnerHistoryStateEnum& state) {
    return Lookup(OwnerHistoryStateTable(), name, state);
}

bool AECEnumNames::LookupChangeAction(std::u16string_view name, AECChangeActionEnum& action) {
    return Lookup(ChangeActionTable(), name, action);
}

} // namespace Orvik
