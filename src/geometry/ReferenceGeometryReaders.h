#pragma once

#include "orvik/api/IGeometry.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// Points, point clouds, coordinate systems and work features met as children of containers:
// each made on the context and read from its element. Null when the reading failed (the object
// is destroyed then); the caller hands a result to the collector and records the child.
class ReferenceGeometryReaders {
public:
    static std::unique_ptr<IGeometry> ReadPoint(XMLProducerImpl& context,
                                                const xercesc::DOMElement& element);
    static std::unique_ptr<IGeometry> ReadPointCloud(XMLProducerImpl& context,
                                                     const xercesc::DOMElement& element);
    static std::unique_ptr<IGeometry> ReadCoordSys(XMLProducerImpl& context,
                                                   const xercesc::DOMElement& element);
    static std::unique_ptr<IGeometry> ReadWorkAxis(XMLProducerImpl& context,
                                                   const xercesc::DOMElement& element);
    static std::unique_ptr<IGeometry> ReadWorkPlane(XMLProducerImpl& context,
                                                    const xercesc::DOMElement& element);
    static std::unique_ptr<IGeometry> ReadWorkPoint(XMLProducerImpl& context,
                                                    const xercesc::DOMElement& element);
};

} // namespace Orvik
