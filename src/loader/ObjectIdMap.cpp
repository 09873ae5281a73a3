#include "loader/ObjectIdMap.h"

#include <string>

namespace Orvik {

void ObjectIdMap::SetPrefix(const UTF8String& prefix) {
    m_active = true;
    m_prefix = prefix;
    m_newIds.clear();
}

UTF8String ObjectIdMap::Map(const UTF8String& documentId) {
    if (!m_active)
        return documentId;
    const auto found = m_newIds.find(documentId);
    if (found != m_newIds.end())
        return found->second;
    ++m_counter;
    UTF8String newId(m_prefix.Value() + std::to_string(m_counter));
    m_newIds.emplace(documentId, newId);
    return newId;
}

bool ObjectIdMap::Find(const UTF8String& documentId, UTF8String& newId) const {
    const auto found = m_newIds.find(documentId);
    if (found == m_newIds.end())
        return false;
    newId = found->second;
    return true;
}

} // namespace Orvik
