#include "geometry/XMLCoordSys.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementWalk.h"

namespace Orvik {

using Readers = GeometryAttributeReaders;

bool XMLCoordSys::ParseCoordSysElement(const xercesc::DOMElement* element) {
    if (!ParseHierarchyElement(element))
        return false;
    ElementWalk::ForEachChildElement(*element, [this](const xercesc::DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Origin"))
            Readers::ReadTriple(child, m_origin);
        else if (ElementWalk::IsNamed(child, u"XAxis"))
            Readers::ReadTriple(child, m_xAxis);
        else if (ElementWalk::IsNamed(child, u"YAxis"))
            Readers::ReadTriple(child, m_yAxis);
    });
    return true;
}

void XMLCoordSys::Origin(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_origin, x, y, z);
}

void XMLCoordSys::XAxis(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_xAxis, x, y, z);
}

void XMLCoordSys::YAxis(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_yAxis, x, y, z);
}

} // namespace Orvik
