#pragma once

#include "orvik/api/EditableDataIdToPersistentIdMap.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <map>
#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

using SubObjectPersistentIdTable =
    std::map<UTF8String, std::unique_ptr<EditableDataIdToPersistentIdMap>>;

// Persistent ids of sub-objects (faces, edges ...) of geometry objects, from their side file or
// from an object's own element (docs/formats.md).
class SubObjectPersistentIdReader {
public:
    // Adds one map per object of the file; a later record for an object replaces the earlier.
    // False when the file does not open or is truncated or oversized; records before stay.
    static bool LoadSubObjectPersistentIds(const UTF16String& path,
                                           SubObjectPersistentIdTable& table);
    // The "SubObjectPersistentIds" children of the element: each "Entry" with a non-empty
    // "DataId" adds its "PersistentId". False for a null element.
    static bool ReadSubObjectPersistentIdsFromXML(const xercesc::DOMElement* element,
                                                  EditableDataIdToPersistentIdMap& ids);
};

} // namespace Orvik
