#include "orvik/api/aec/EditableOrganizationData.h"

namespace Orvik {

EditableOrganizationData::EditableOrganizationData(CreateKey, UTF8String name,
                                                   UTF8String description,
                                                   UTF8String identification)
    : OrganizationData(std::move(name), std::move(description), std::move(identification)) {}

std::unique_ptr<EditableOrganizationData>
EditableOrganizationData::Create(const UTF8String& name, const UTF8String& description,
                                 const UTF8String& identification) {
    return std::make_unique<EditableOrganizationData>(CreateKey{}, name, description,
                                                      identification);
}

void EditableOrganizationData::AddAddress(std::unique_ptr<AddressData> address) {
    if (address)
        m_addresses.push_back(std::move(address));
}

void EditableOrganizationData::AddRole(std::unique_ptr<RoleData> role) {
    if (role)
        m_roles.push_back(std::move(role));
}

} // namespace Orvik
