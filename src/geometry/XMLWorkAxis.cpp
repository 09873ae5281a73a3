#include "geometry/XMLWorkAxis.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementWalk.h"

namespace Orvik {

using Readers = GeometryAttributeReaders;

bool XMLWorkAxis::ParseWorkAxisElement(const xercesc::DOMElement* element) {
    if (!ParseHierarchyElement(element))
        return false;
    ElementWalk::ForEachChildElement(*element, [this](const xercesc::DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"StartPoint"))
            Readers::ReadTriple(child, m_startPoint);
        else if (ElementWalk::IsNamed(child, u"EndPoint"))
            Readers::ReadTriple(child, m_endPoint);
        else if (ElementWalk::IsNamed(child, u"Axis"))
            Readers::ReadTriple(child, m_axis);
    });
    return true;
}

void XMLWorkAxis::StartPoint(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_startPoint, x, y, z);
}

void XMLWorkAxis::Axis(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_axis, x, y, z);
}

void XMLWorkAxis::EndPoint(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_endPoint, x, y, z);
}

} // namespace Orvik
