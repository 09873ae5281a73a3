#include "geometry/ReferenceGeometryReaders.h"

#include "geometry/XMLCoordSys.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "geometry/XMLWorkAxis.h"
#include "geometry/XMLWorkPlane.h"
#include "geometry/XMLWorkPoint.h"

namespace Orvik {
namespace {

template <typename Entity>
std::unique_ptr<IGeometry> ReadNew(XMLProducerImpl& context, const xercesc::DOMElement& element) {
    auto object = std::make_unique<Entity>(&context);
    if (!object->Read(&element))
        return nullptr;
    return object;
}

} // namespace

std::unique_ptr<IGeometry> ReferenceGeometryReaders::ReadPoint(XMLProducerImpl& context,
                                                               const xercesc::DOMElement& element) {
    return ReadNew<XMLPoint>(context, element);
}

std::unique_ptr<IGeometry>
ReferenceGeometryReaders::ReadPointCloud(XMLProducerImpl& context,
                                         const xercesc::DOMElement& element) {
    return ReadNew<XMLPointCloud>(context, element);
}

std::unique_ptr<IGeometry>
ReferenceGeometryReaders::ReadCoordSys(XMLProducerImpl& context,
                                       const xercesc::DOMElement& element) {
    return ReadNew<XMLCoordSys>(context, element);
}

std::unique_ptr<IGeometry>
ReferenceGeometryReaders::ReadWorkAxis(XMLProducerImpl& context,
                                       const xercesc::DOMElement& element) {
    return ReadNew<XMLWorkAxis>(context, element);
}

std::unique_ptr<IGeometry>
ReferenceGeometryReaders::ReadWorkPlane(XMLProducerImpl& context,
                                        const xercesc::DOMElement& element) {
    return ReadNew<XMLWorkPlane>(context, element);
}

std::unique_ptr<IGeometry>
ReferenceGeometryReaders::ReadWorkPoint(XMLProducerImpl& context,
                                        const xercesc::DOMElement& element) {
    return ReadNew<XMLWorkPoint>(context, element);
}

} // namespace Orvik
