#include "orvik/api/aec/PersonData.h"

namespace Orvik {

PersonData::~PersonData() = default;

const AddressData& PersonData::AddressAt(std::size_t index) const {
    return *m_addresses.at(index);
}

const RoleData& PersonData::RoleAt(std::size_t index) const {
    return *m_roles.at(index);
}

} // namespace Orvik
