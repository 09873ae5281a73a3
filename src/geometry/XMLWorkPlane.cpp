#include "geometry/XMLWorkPlane.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementWalk.h"

#include <cmath>

namespace Orvik {
namespace {

using Readers = GeometryAttributeReaders;

// A reference this short names no direction.
constexpr double kZeroTolerance = 1e-10;

bool IsZero(const Vector& v) {
    return std::sqrt(v.X() * v.X() + v.Y() * v.Y() + v.Z() * v.Z()) <= kZeroTolerance;
}

} // namespace

bool XMLWorkPlane::ParseWorkPlaneElement(const xercesc::DOMElement* element) {
    if (!ParseHierarchyElement(element))
        return false;
    ElementWalk::ForEachChildElement(*element, [this](const xercesc::DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Origin")) {
            Readers::ReadTriple(child, m_origin);
        } else if (ElementWalk::IsNamed(child, u"Normal")) {
            Readers::ReadTriple(child, m_normal);
        } else if (ElementWalk::IsNamed(child, u"Reference")) {
            Readers::ReadTriple(child, m_reference);
            m_hasReference = true;
        } else if (ElementWalk::IsNamed(child, u"DisplayRange")) {
            ReadDisplayRange(child);
        }
    });
    return true;
}

void XMLWorkPlane::ReadDisplayRange(const xercesc::DOMElement& range) {
    // Any child at all makes the range given, even one that names neither corner.
    ElementWalk::ForEachChildElement(range, [this](const xercesc::DOMElement& corner) {
        m_hasDisplayRange = true;
        if (ElementWalk::IsNamed(corner, u"MinPoint"))
            Readers::ReadTriple(corner, m_min);
        else if (ElementWalk::IsNamed(corner, u"MaxPoint"))
            Readers::ReadTriple(corner, m_max);
    });
}

void XMLWorkPlane::Origin(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_origin, x, y, z);
}

void XMLWorkPlane::Normal(double& x, double& y, double& z) const {
    Readers::CopyTriple(m_normal, x, y, z);
}

IsValueSpecifiedEnum XMLWorkPlane::ReferenceDirection(double& x, double& y, double& z) const {
    if (!m_hasReference || IsZero(m_reference))
        return IsValueSpecifiedEnum::kUnspecified;
    Readers::CopyTriple(m_reference, x, y, z);
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLWorkPlane::DisplayRange(double& minX, double& minY, double& minZ,
                                                double& maxX, double& maxY, double& maxZ) const {
    if (!m_hasDisplayRange)
        return IsValueSpecifiedEnum::kUnspecified;
    Readers::CopyTriple(m_min, minX, minY, minZ);
    Readers::CopyTriple(m_max, maxX, maxY, maxZ);
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
