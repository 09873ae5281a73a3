#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/IGeometry.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// Geometric sets, extension geometry and sketches made from an entry of a component's child
// set; null when the element could not be read (the object is gone then).
class GroupElementReaders {
public:
    static std::unique_ptr<IGeometry> ReadGeometricSet(XMLProducerImpl& context,
                                                       const xercesc::DOMElement& element,
                                                       const ExternalGeometryTables& tables);
    static std::unique_ptr<IGeometry> ReadExtensionGeometry(XMLProducerImpl& context,
                                                            const xercesc::DOMElement& element,
                                                            const ExternalGeometryTables& tables);
    static std::unique_ptr<IGeometry> ReadSketch(XMLProducerImpl& context,
                                                 const xercesc::DOMElement& element,
                                                 const ExternalGeometryTables& tables);
};

} // namespace Orvik
