#pragma once

#include "orvik/api/aec/AddressData.h"
#include "orvik/api/aec/OwnerHistoryData.h"
#include "orvik/api/aec/RoleData.h"

#include <string_view>

namespace Orvik {

// The enumeration literals of owner-history data ("kArchitect"), both ways. Names match
// exactly; an unknown name answers false and leaves the target as it was.
class AECEnumNames {
public:
    static bool LookupRole(std::u16string_view name, AECRoleEnum& role);
    static bool LookupAddressPurpose(std::u16string_view name, AECAddressPurposeEnum& purpose);
    static bool LookupOwnerHistoryState(std::u16string_view name, AECOwnerHistoryStateEnum& state);
    static bool LookupChangeAction(std::u16string_view name, AECChangeActionEnum& action);

    static const char* Name(AECRoleEnum role);
    static const char* Name(AECAddressPurposeEnum purpose);
    static const char* Name(AECOwnerHistoryStateEnum state);
    static const char* Name(AECChangeActionEnum action);
};

} // namespace Orvik
