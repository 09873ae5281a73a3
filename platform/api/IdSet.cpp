#include "orvik/api/IdSet.h"

#include <algorithm>
#include <stdexcept>

namespace Orvik {

IdSet::IdSet(std::initializer_list<UTF8String> ids) {
    for (const UTF8String& id : ids)
        AddWithoutUniquenessCheck(id);
}

IdSet::IdSet(const IdSet& other) {
    if (!other.IsEmpty()) {
        EnsureHeld().ids = other.m_held->ids;
        IndexIfLarge();
    }
}

IdSet& IdSet::operator=(const IdSet& other) {
    if (this != &other) {
        IdSet copy(other);
        *this = std::move(copy);
    }
    return *this;
}

IdSet::~IdSet() = default;

const std::vector<UTF8String>& IdSet::Ids() const {
    static const std::vector<UTF8String> none;
    return m_held ? m_held->ids : none;
}

IdSet::Held& IdSet::EnsureHeld() {
    if (!m_held)
        m_held = std::make_unique<Held>();
    return *m_held;
}

bool IdSet::Contains(const UTF8String& id) const {
    if (!m_held)
        return false;
    if (m_held->index)
        return m_held->index->count(id) != 0;
    return std::find(m_held->ids.begin(), m_held->ids.end(), id) != m_held->ids.end();
}

bool IdSet::AddWithUniquenessCheck(const UTF8String& id) {
    Held& held = EnsureHeld();
    if (held.index ? !held.index->insert(id).second : Contains(id))
        return false;
    held.ids.push_back(id);
    IndexIfLarge();
    return true;
}

void IdSet::AddWithoutUniquenessCheck(const UTF8String& id) {
    Held& held = EnsureHeld();
    held.ids.push_back(id);
    if (held.index)
        held.index->insert(id);
    else
        IndexIfLarge();
}

void IdSet::IndexIfLarge() {
    Held& held = *m_held;
    if (held.index || held.ids.size() < kIndexedFrom)
        return;
    held.index = std::make_unique<std::unordered_set<UTF8String>>(held.ids.begin(), held.ids.end());
}

const UTF8String& IdSet::At(std::size_t index) const {
    if (index >= Size())
        throw std::out_of_range("invalid vector subscript");
    return m_held->ids[index];
}

void IdSet::Clear() {
    m_held.reset();
}

} // namespace Orvik
