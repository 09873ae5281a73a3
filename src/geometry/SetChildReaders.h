#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// What the readers of a container's child set are given besides their element.
struct SetChildSources {
    XMLProducerImpl& context;
    const ExternalGeometryTables& tables;
};

// One kind of element a container's child set may hold.
struct SetChildRow {
    const XMLCh* elementName;
    // False when the element could not be read. On success `id` names the child to list, or
    // stays empty when there is nothing to list.
    bool (*read)(const xercesc::DOMElement& element, SetChildSources& sources, UTF8String& id);
    // A failed child of this kind ends the reading of the rest of its set.
    bool stopsChildSet;
};

// The child sets of geometric sets, extension geometry and sketches: one table per kind of set,
// read by one walk.
class SetChildReaders {
public:
    struct Table {
        const SetChildRow* rows;
        std::size_t size;
    };

    static Table GeometricSetRows();
    static Table ExtensionGeometryRows();
    // A sketch's "ChildSet" (points) and "CurveSet" (kernel curves only).
    static Table SketchChildRows();
    static Table SketchCurveRows();

    // Adds the set's children in document order, each id once; false when a failed child of a
    // stopping kind ended the walk.
    static bool ReadChildSet(const xercesc::DOMElement& set, SetChildSources& sources,
                             const Table& table, IdSet& ids);

    // The curve rule of sets: the stream curve when one waits, and a kernel curve whenever
    // kernel curves were read. Both are offered under one id; the collector keeps the first.
    static bool ReadSetCurve(const xercesc::DOMElement& element, SetChildSources& sources,
                             UTF8String& id);
};

} // namespace Orvik
