#pragma once

#include "geometry/XMLHierarchyEntity.h"
#include "orvik/api/ICoordSys.h"
#include "orvik/api/Position.h"
#include "orvik/api/Vector.h"

namespace Orvik {

// An "ICoordSys" child of an assembly or a part.
class XMLCoordSys : public XMLHierarchyEntity<ICoordSys> {
public:
    explicit XMLCoordSys(ReadContext* context)
        : XMLHierarchyEntity(context) {}

    // False only without an element.
    bool ParseCoordSysElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParseCoordSysElement(element); }

    void Origin(double& x, double& y, double& z) const override;
    void XAxis(double& x, double& y, double& z) const override;
    void YAxis(double& x, double& y, double& z) const override;

private:
    Position m_origin;
    Vector m_xAxis;
    Vector m_yAxis;
};

} // namespace Orvik
