#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF8String.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLPolygonMesh;
class ReadContext;
class XMLSubdivMesh;

// Completes a mesh read from side files with its "IPolygonMesh" element and hands it to the
// object collector.
class PolygonMeshElementReader {
public:
    using DOMElement = xercesc::DOMElement;

    // The mesh is looked up by "ID" as written and leaves the table whatever the fill gives, so
    // a second element with the same id finds nothing and answers false.
    static bool ParsePolygonMeshElement(ReadContext& context, const DOMElement* element,
                                        MeshTable& meshesById, UTF8String& id);
    // The orientation is always kPolygonMeshOrientation_Unknown, whatever the element says.
    // Nothing changes when the collector already holds the (remapped) id.
    static bool FillMeshFromElement(std::unique_ptr<XMLPolygonMesh> mesh, ReadContext& context,
                                    const DOMElement& element, UTF8String& id);
    static bool FillMeshFromElement(std::unique_ptr<XMLSubdivMesh> mesh, ReadContext& context,
                                    const DOMElement& element, UTF8String& id);
};

} // namespace Orvik
