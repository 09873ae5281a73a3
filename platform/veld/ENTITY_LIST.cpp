#include "veld/ENTITY_LIST.h"

namespace Orvik::Veld {

ENTITY* ENTITY_LIST::operator[](int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entities.size())
        return nullptr;
    return m_entities[static_cast<std::size_t>(index)].get();
}

} // namespace Orvik::Veld
