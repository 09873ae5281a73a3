#pragma once

#include "geometry/GeometryAttributeReaders.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "xml_util/XMLEntity.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// What points and point clouds share: no tolerances, visibility that defaults to true, style
// references under any letter case, an optional transform and the units of a "Unit" element.
template <typename Interface>
class XMLPointGeometry : public XMLEntity<Interface> {
public:
    explicit XMLPointGeometry(XMLProducerImpl* context)
        : m_context(context) {}

    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsVisible() const override { return m_visible; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    void SetTransform(const Matrix3d& transform) override {
        GeometryAttributeReaders::StoreTransform(transform, m_transform);
    }
    const Matrix3d& Transform() const override {
        return GeometryAttributeReaders::TransformOrIdentity(m_transform);
    }
    bool HasTransform() const { return m_transform != nullptr; }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override {
        unit = m_lengthUnit;
        return IsValueSpecifiedEnum::kSpecified;
    }
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override {
        unit = m_displayLengthUnit;
        return IsValueSpecifiedEnum::kSpecified;
    }

protected:
    // Id (mapped when a prefix is active), label and the two visibility flags.
    void ReadCommonAttributes(const xercesc::DOMElement& element);
    // Transform, unit and style references; false for any other child.
    bool ReadCommonChild(const xercesc::DOMElement& child);

    XMLProducerImpl* m_context;

private:
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    std::unique_ptr<Matrix3d> m_transform;
};

template <typename Interface>
void XMLPointGeometry<Interface>::ReadCommonAttributes(const xercesc::DOMElement& element) {
    UTF8String id;
    XMLUtils::GetNodeAttribute(&element, u"ID", id);
    this->SetId(m_context != nullptr ? ElementReaders::ReadElementId(*m_context, &element) : id);
    UTF16String label;
    XMLUtils::GetNodeAttribute(&element, u"Label", label);
    this->SetLabel(label);
    m_visible = GeometryAttributeReaders::ReadVisibility(element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(element, u"NetVisibility");
}

template <typename Interface>
bool XMLPointGeometry<Interface>::ReadCommonChild(const xercesc::DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"Transform")) {
        GeometryAttributeReaders::ReadTransformText(child, m_transform);
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum dropped = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, m_lengthUnit, dropped, m_displayLengthUnit);
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"Styles")) {
        // Read under the name it has, whatever its letter case.
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   m_styles);
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"NetStyles")) {
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   m_netStyles);
    } else {
        return false;
    }
    return true;
}

} // namespace Orvik
