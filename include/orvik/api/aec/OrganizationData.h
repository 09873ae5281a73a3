#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/AddressData.h"
#include "orvik/api/aec/RoleData.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Orvik {

// An organization that owns or changed objects of the project; owns its addresses and roles.
class OrganizationData {
public:
    virtual ~OrganizationData();
    OrganizationData(const OrganizationData&) = delete;
    OrganizationData& operator=(const OrganizationData&) = delete;

    const UTF8String& Name() const { return m_name; }
    const UTF8String& Description() const { return m_description; }
    const UTF8String& Identification() const { return m_identification; }

    std::size_t AddressCount() const { return m_addresses.size(); }
    // Throws std::out_of_range for an index not below the count; likewise RoleAt.
    const AddressData& AddressAt(std::size_t index) const;
    std::size_t RoleCount() const { return m_roles.size(); }
    const RoleData& RoleAt(std::size_t index) const;

protected:
    OrganizationData(UTF8String name, UTF8String description, UTF8String identification);

    UTF8String m_name;
    UTF8String m_description;
    UTF8String m_identification;
    std::vector<std::unique_ptr<AddressData>> m_addresses;
    std::vector<std::unique_ptr<RoleData>> m_roles;
};

} // namespace Orvik
