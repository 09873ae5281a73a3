#include "geometry/XMLWorkPoint.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementWalk.h"

namespace Orvik {

bool XMLWorkPoint::ParseWorkPointElement(const xercesc::DOMElement* element) {
    if (!ParseHierarchyElement(element))
        return false;
    ElementWalk::ForEachChildElement(*element, [this](const xercesc::DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"WorkPoint"))
            GeometryAttributeReaders::ReadTriple(child, m_point);
    });
    return true;
}

void XMLWorkPoint::Point(double& x, double& y, double& z) const {
    GeometryAttributeReaders::CopyTriple(m_point, x, y, z);
}

} // namespace Orvik
