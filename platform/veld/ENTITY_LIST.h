#pragma once

#include "veld/ENTITY.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Orvik::Veld {

// Entities restored from a file. The list owns them until a holder takes one out; what is
// left is freed with the list.
class ENTITY_LIST {
public:
    explicit ENTITY_LIST(bool keepTagged = false)
        : m_keepTagged(keepTagged) {}

    void add(std::unique_ptr<ENTITY> entity) { m_entities.push_back(std::move(entity)); }
    void clear() { m_entities.clear(); }
    int count() const { return static_cast<int>(m_entities.size()); }
    // Null for an index out of range or an entity already taken.
    ENTITY* operator[](int index) const;
    // Hands the entity over when it is a T; otherwise the list keeps it and null comes back.
    template <class T>
    std::unique_ptr<T> take(int index);
    bool keeps_tagged() const { return m_keepTagged; }

private:
    bool m_keepTagged;
    std::vector<std::unique_ptr<ENTITY>> m_entities;
};

template <class T>
std::unique_ptr<T> ENTITY_LIST::take(int index) {
    T* entity = dynamic_cast<T*>((*this)[index]);
    if (entity == nullptr)
        return nullptr;
    m_entities[static_cast<std::size_t>(index)].release();
    return std::unique_ptr<T>(entity);
}

} // namespace Orvik::Veld
