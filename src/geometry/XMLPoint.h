#pragma once

#include "orvik/api/IPoint.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// An "IPoint" element: one position.
class XMLPoint : public XMLEntity<IPoint> {
public:
    explicit XMLPoint(XMLProducerImpl* context);

    // False only without an element.
    bool ParsePointElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParsePointElement(element); }

    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsVisible() const override { return m_visible; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    IdSet Materials() const override { return m_materials; }
    double X() const override { return m_x; }
    double Y() const override { return m_y; }
    double Z() const override { return m_z; }
    std::int32_t MarkerType() const override { return 0; }
    UTF8String MarkerName() const override { return UTF8String(); }
    double MarkerSize() const override { return 0.0; }
    void SetTransform(const Matrix3d& transform) override;
    const Matrix3d& Transform() const override;
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;
    bool HasTransform() const { return m_transform != nullptr; }

private:
    void ReadChild(const xercesc::DOMElement& child);

    XMLProducerImpl* m_context;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    IdSet m_materials;
    std::unique_ptr<Matrix3d> m_transform;
};

} // namespace Orvik
