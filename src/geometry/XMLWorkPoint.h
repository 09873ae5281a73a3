#pragma once

#include "geometry/XMLHierarchyEntity.h"
#include "orvik/api/IWorkPoint.h"
#include "orvik/api/Position.h"

namespace Orvik {

// An "IWorkPoint" element.
class XMLWorkPoint : public XMLHierarchyEntity<IWorkPoint> {
public:
    explicit XMLWorkPoint(ReadContext* context)
        : XMLHierarchyEntity(context) {}

    // False only without an element.
    bool ParseWorkPointElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParseWorkPointElement(element); }

    void Point(double& x, double& y, double& z) const override;

private:
    Position m_point;
};

} // namespace Orvik
