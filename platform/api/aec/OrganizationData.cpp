#include "orvik/api/aec/OrganizationData.h"

namespace Orvik {

OrganizationData::OrganizationData(UTF8String name, UTF8String description,
                                   UTF8String identification)
    : m_name(std::move(name))
    , m_description(std::move(description))
    , m_identification(std::move(identification)) {}

OrganizationData::~OrganizationData() = default;

const AddressData& OrganizationData::AddressAt(std::size_t index) const {
    return *m_addresses.at(index);
}

const RoleData& OrganizationData::RoleAt(std::size_t index) const {
    return *m_roles.at(index);
}

} // namespace Orvik
