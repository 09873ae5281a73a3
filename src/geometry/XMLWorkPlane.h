#pragma once

#include "geometry/XMLHierarchyEntity.h"
#include "orvik/api/IWorkPlane.h"
#include "orvik/api/Position.h"
#include "orvik/api/Vector.h"

namespace Orvik {

// An "IWorkPlane" element.
class XMLWorkPlane : public XMLHierarchyEntity<IWorkPlane> {
public:
    explicit XMLWorkPlane(ReadContext* context)
        : XMLHierarchyEntity(context) {}

    // False only without an element.
    bool ParseWorkPlaneElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParseWorkPlaneElement(element); }

    void Origin(double& x, double& y, double& z) const override;
    void Normal(double& x, double& y, double& z) const override;
    IsValueSpecifiedEnum ReferenceDirection(double& x, double& y, double& z) const override;
    IsValueSpecifiedEnum DisplayRange(double& minX, double& minY, double& minZ, double& maxX,
                                      double& maxY, double& maxZ) const override;

private:
    void ReadDisplayRange(const xercesc::DOMElement& range);

    Position m_origin;
    Vector m_normal;
    Vector m_reference;
    bool m_hasDisplayRange = false;
    bool m_hasReference = false;
    Position m_min;
    Position m_max;
};

} // namespace Orvik
