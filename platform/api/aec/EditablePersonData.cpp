#include "orvik/api/aec/EditablePersonData.h"

namespace Orvik {

EditablePersonData::EditablePersonData(CreateKey) {}

std::unique_ptr<EditablePersonData> EditablePersonData::Create() {
    return std::make_unique<EditablePersonData>(CreateKey{});
}

void EditablePersonData::SetIdentification(const UTF8String& identification) {
    m_identification = identification;
}

void EditablePersonData::SetGivenName(const UTF8String& name) {
    m_givenName = name;
}

void EditablePersonData::SetFamilyName(const UTF8String& name) {
    m_familyName = name;
}

void EditablePersonData::AddMiddleName(const UTF8String& name) {
    m_middleNames.push_back(name);
}

void EditablePersonData::AddPrefixTitle(const UTF8String& title) {
    m_prefixTitles.push_back(title);
}

void EditablePersonData::AddSuffixTitle(const UTF8String& title) {
    m_suffixTitles.push_back(title);
}

void EditablePersonData::AddAddress(std::unique_ptr<AddressData> address) {
    if (address)
        m_addresses.push_back(std::move(address));
}

void EditablePersonData::AddRole(std::unique_ptr<RoleData> role) {
    if (role)
        m_roles.push_back(std::move(role));
}

} // namespace Orvik
