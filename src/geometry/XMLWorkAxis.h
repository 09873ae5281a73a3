#pragma once

#include "geometry/XMLHierarchyEntity.h"
#include "orvik/api/IWorkAxis.h"
#include "orvik/api/Position.h"
#include "orvik/api/Vector.h"

namespace Orvik {

// An "IWorkAxis" element.
class XMLWorkAxis : public XMLHierarchyEntity<IWorkAxis> {
public:
    explicit XMLWorkAxis(ReadContext* context)
        : XMLHierarchyEntity(context) {}

    // False only without an element.
    bool ParseWorkAxisElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParseWorkAxisElement(element); }

    void StartPoint(double& x, double& y, double& z) const override;
    void Axis(double& x, double& y, double& z) const override;
    void EndPoint(double& x, double& y, double& z) const override;

private:
    Vector m_axis;
    Position m_startPoint;
    Position m_endPoint;
};

} // namespace Orvik
