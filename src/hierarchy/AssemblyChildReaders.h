#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/IObject.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// What the reader of an assembly's "ChildSet" entry is given.
struct AssemblyChildSource {
    XMLProducerImpl& context;
    const ExternalGeometryTables& tables;
};

// The kinds of entry an assembly's "ChildSet" may hold, each with the way it is read.
class AssemblyChildReaders {
public:
    // The child an entry stands for, held by the collector; null when the entry yields none.
    using Reader = IObject* (*)(const xercesc::DOMElement& entry,
                                const AssemblyChildSource& source);

    struct Row {
        const XMLCh* elementName;
        // Null for a kind not loaded yet: its entries yield no child.
        Reader read;
    };

    // Null for an element name that is no child kind of an assembly.
    static const Row* Find(const XMLCh* elementName);

    // For kinds created by the assembly: a read object goes to the collector, anything else is
    // destroyed. Null when reading failed or the collector already held the id.
    static IObject* KeepIfRead(XMLProducerImpl& context, std::unique_ptr<IObject> object,
                               bool read);
};

} // namespace Orvik
