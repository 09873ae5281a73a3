#include "orvik/api/IdSet.h"

#include <algorithm>
#include <stdexcept>

namespace Orvik {

IdSet::IdSet(std::initializer_list<UTF8String> ids) {
    m_ids.reserve(ids.size());
    for (const UTF8String& id : ids)
        AddWithoutUniquenessCheck(id);
}

IdSet::IdSet(const IdSet& other)
    : m_ids(other.m_ids) {
    IndexIfLarge();
}

IdSet& IdSet::operator=(const IdSet& other) {
    if (this != &other) {
        IdSet copy(other);
        *this = std::move(copy);
    }
    return *this;
}

IdSet::~IdSet() = default;

bool IdSet::Contains(const UTF8String& id) const {
    if (m_index)
        return m_index->count(id) != 0;
    return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end();
}

bool IdSet::AddWithUniquenessCheck(const UTF8String& id) {
    if (m_index ? !m_index->insert(id).second : Contains(id))
        return false;
    m_ids.push_back(id);
    IndexIfLarge();
    return true;
}

void IdSet::AddWithoutUniquenessCheck(const UTF8String& id) {
    m_ids.push_back(id);
    if (m_index)
        m_index->insert(id);
    else
        IndexIfLarge();
}

void IdSet::IndexIfLarge() {
    if (m_index || m_ids.size() < kIndexedFrom)
        return;
    m_index = std::make_unique<std::unordered_set<UTF8String>>(m_ids.begin(), m_ids.end());
}

const UTF8String& IdSet::At(std::size_t index) const {
    if (index >= m_ids.size())
        throw std::out_of_range("invalid vector subscript");
    return m_ids[index];
}

void IdSet::Clear() {
    m_ids.clear();
    m_index.reset();
}

} // namespace Orvik
