#pragma once

#include "geometry/XMLPointGeometry.h"
#include "orvik/api/IPoint.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "IPoint" element: one position.
class XMLPoint : public XMLPointGeometry<IPoint> {
public:
    explicit XMLPoint(ReadContext* context);

    // False only without an element.
    bool ParsePointElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParsePointElement(element); }

    IdSet Materials() const override { return m_materials; }
    double X() const override { return m_x; }
    double Y() const override { return m_y; }
    double Z() const override { return m_z; }
    std::int32_t MarkerType() const override { return 0; }
    UTF8String MarkerName() const override { return UTF8String(); }
    double MarkerSize() const override { return 0.0; }

private:
    void ReadChild(const xercesc::DOMElement& child);

    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    IdSet m_materials;
};

} // namespace Orvik
