#include "orvik/api/aec/EditableRoleData.h"

namespace Orvik {

EditableRoleData::EditableRoleData(CreateKey, AECRoleEnum role)
    : RoleData(role) {}

std::unique_ptr<EditableRoleData> EditableRoleData::Create(AECRoleEnum role) {
    return std::make_unique<EditableRoleData>(CreateKey{}, role);
}

void EditableRoleData::SetDescription(const UTF8String& description) {
    m_description = description;
}

void EditableRoleData::SetUserDefinedRole(const UTF8String& role) {
    m_userDefinedRole = role;
}

} // namespace Orvik
