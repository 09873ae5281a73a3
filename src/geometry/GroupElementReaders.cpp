#include "geometry/GroupElementReaders.h"

#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "geometry/XMLSketch.h"

namespace Orvik {

std::unique_ptr<IGeometry>
GroupElementReaders::ReadGeometricSet(XMLProducerImpl& context, const xercesc::DOMElement& element,
                                      const ExternalGeometryTables& tables) {
    auto set = std::make_unique<XMLGeometricSet>(&context);
    if (!set->Read(&element, tables))
        return nullptr;
    return set;
}

std::unique_ptr<IGeometry>
GroupElementReaders::ReadExtensionGeometry(XMLProducerImpl& context,
                                           const xercesc::DOMElement& element,
                                           const ExternalGeometryTables& tables) {
    auto geometry = std::make_unique<XMLExtensionGeometry>(&context);
    if (!geometry->Read(&element, tables))
        return nullptr;
    return geometry;
}

std::unique_ptr<IGeometry> GroupElementReaders::ReadSketch(XMLProducerImpl& context,
                                                           const xercesc::DOMElement& element,
                                                           const ExternalGeometryTables& tables) {
    auto sketch = std::make_unique<XMLSketch>(&context);
    if (!sketch->ParseSketchElement(&element, tables.edgeCurvesByDxid))
        return nullptr;
    return sketch;
}

} // namespace Orvik
