#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/AddressData.h"
#include "orvik/api/aec/RoleData.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Orvik {

// A person who owns or changed objects of the project; owns its addresses and roles.
class PersonData {
public:
    virtual ~PersonData();
    PersonData(const PersonData&) = delete;
    PersonData& operator=(const PersonData&) = delete;

    const UTF8String& Identification() const { return m_identification; }
    const UTF8String& GivenName() const { return m_givenName; }
    const UTF8String& FamilyName() const { return m_familyName; }
    const std::vector<UTF8String>& MiddleNames() const { return m_middleNames; }
    const std::vector<UTF8String>& PrefixTitles() const { return m_prefixTitles; }
    const std::vector<UTF8String>& SuffixTitles() const { return m_suffixTitles; }

    std::size_t AddressCount() const { return m_addresses.size(); }
    // Throws std::out_of_range for an index not below the count; likewise RoleAt.
    const AddressData& AddressAt(std::size_t index) const;
    std::size_t RoleCount() const { return m_roles.size(); }
    const RoleData& RoleAt(std::size_t index) const;

protected:
    PersonData() = default;

    UTF8String m_identification;
    UTF8String m_givenName;
    UTF8String m_familyName;
    std::vector<UTF8String> m_middleNames;
    std::vector<UTF8String> m_prefixTitles;
    std::vector<UTF8String> m_suffixTitles;
    std::vector<std::unique_ptr<AddressData>> m_addresses;
    std::vector<std::unique_ptr<RoleData>> m_roles;
};

} // namespace Orvik
