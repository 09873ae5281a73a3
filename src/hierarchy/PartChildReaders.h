#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/FileChildId.h"
#include "orvik/api/IObject.h"

#include <array>
#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// What the readers of a part's children are given besides their element.
struct PartChildSources {
    XMLProducerImpl& context;
    ExternalGeometryTables tables;
};

// One kind of element a part's "ChildSet" may hold.
struct PartChildRow {
    const XMLCh* elementName;
    // False when the element could not be read. On success `child` is the object the collector
    // now holds, or stays null when there is nothing to list. Null for kinds not loaded yet:
    // their elements are passed over.
    bool (*read)(const xercesc::DOMElement& element, PartChildSources& sources, IObject*& child);
    // A failed child of this kind ends the reading of the rest of its "ChildSet".
    bool stopsChildSet;
};

// The children of a part, kind by kind, in the order their names are tested.
class PartChildReaders {
public:
    using Table = std::array<PartChildRow, 14>;

    static const Table& Rows();
    // Appends one "ChildSet"'s children in document order; false when a failed child of a
    // stopping kind ended the walk.
    static bool ReadChildSet(const xercesc::DOMElement& childSet, PartChildSources& sources,
                             const Table& rows, std::vector<PartChildId>& children);
    // Hands a child made by its reader to the collector; null when the collector refused it
    // (its id is held already), in which case the object is gone.
    static IObject* Adopt(std::unique_ptr<IObject> object, XMLProducerImpl& context);
};

} // namespace Orvik
