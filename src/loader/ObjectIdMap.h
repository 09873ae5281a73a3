#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <unordered_map>

namespace Orvik {

// Under an id prefix every id of the document gets a new one, the prefix and a running number,
// given the first time the id is met, whether by its element or by a reference to it.
class ObjectIdMap {
public:
    void SetPrefix(const UTF8String& prefix);
    bool Active() const { return m_active; }

    // The new id of a document id (given now when it has none yet); the id itself without a
    // prefix.
    UTF8String Map(const UTF8String& documentId);
    // The new id of a document id that has one; false when it has none yet (nothing is given).
    bool Find(const UTF8String& documentId, UTF8String& newId) const;

private:
    bool m_active = false;
    UTF8String m_prefix;
    std::uint32_t m_counter = 0;
    std::unordered_map<UTF8String, UTF8String> m_newIds;
};

} // namespace Orvik
