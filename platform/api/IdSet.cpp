#include "orvik/api/IdSet.h"

#include <stdexcept>

namespace Orvik {

IdSet::IdSet(std::initializer_list<UTF8String> ids) {
    m_ids.reserve(ids.size());
    for (const UTF8String& id : ids)
        AddWithoutUniquenessCheck(id);
}

bool IdSet::AddWithUniquenessCheck(const UTF8String& id) {
    if (!m_index.insert(id).second)
        return false;
    m_ids.push_back(id);
    return true;
}

void IdSet::AddWithoutUniquenessCheck(const UTF8String& id) {
    m_ids.push_back(id);
    m_index.insert(id);
}

const UTF8String& IdSet::At(std::size_t index) const {
    if (index >= m_ids.size())
        throw std::out_of_range("invalid vector subscript");
    return m_ids[index];
}

void IdSet::Clear() {
    m_ids.clear();
    m_index.clear();
}

} // namespace Orvik
