#pragma once

#include "orvik/api/EditableDataIdToPersistentIdMap.h"

namespace Orvik {

// Geometry whose sub-objects keep persistent ids across versions of a document.
class ISubObjectPersistentIds {
public:
    virtual ~ISubObjectPersistentIds() = default;
    // Null when the object has none.
    virtual const EditableDataIdToPersistentIdMap* PersistentIDsMap() const { return nullptr; }
};

} // namespace Orvik
