#pragma once

#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <map>

namespace Orvik {

// Persistent ids of an object's sub-objects (faces, edges ...), by their data id.
class EditableDataIdToPersistentIdMap {
public:
    void Add(const UTF8String& dataId, const UTF8String& persistentId) {
        m_ids.emplace(dataId, persistentId);
    }
    std::size_t Size() const { return m_ids.size(); }
    const std::map<UTF8String, UTF8String>& Ids() const { return m_ids; }

private:
    std::map<UTF8String, UTF8String> m_ids;
};

} // namespace Orvik
