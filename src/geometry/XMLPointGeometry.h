#pragma once

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "xml_util/XMLEntity.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// What points and point clouds share: no tolerances, visibility that defaults to true, style
// references under any letter case, an optional transform and the units of a "Unit" element.
template <typename Interface>
class XMLPointGeometry : public XMLEntity<Interface> {
public:
    explicit XMLPointGeometry(ReadContext* context)
        : m_context(context) {}

    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsVisible() const override { return m_visible; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    void SetTransform(const Matrix3d& transform) override { m_transform.Set(transform); }
    const Matrix3d& Transform() const override { return m_transform.Get(); }
    bool HasTransform() const { return m_transform.IsSet(); }
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
    // Id (mapped when a prefix is active), label, the two visibility flags, then the common
    // children: transform, unit and style references in any letter case, and what the kind's
    // policy adds; every other child goes to the kind's own reader.
    template <typename ReadChild>
    bool ReadPointElement(const xercesc::DOMElement* element, EntityReader::Policy policy,
                          IdSet* materials, ReadChild readChild) {
        if (element == nullptr || m_context == nullptr)
            return false;
        policy.reads |= EntityReader::kUnit | EntityReader::kStyles | EntityReader::kNetStyles;
        policy.anyCase |= EntityReader::kStyles | EntityReader::kNetStyles;
        EntityReader::Targets targets;
        targets.styles = &m_styles;
        targets.netStyles = &m_netStyles;
        targets.materials = materials;
        targets.lengthUnit = &m_lengthUnit;
        targets.displayLengthUnit = &m_displayLengthUnit;
        EntityReader shared(*m_context, *this, policy, targets);
        shared.ReadIdentity(*element);
        m_visible = GeometryAttributeReaders::ReadVisibility(*element, u"Visibility");
        m_netVisible = GeometryAttributeReaders::ReadVisibility(*element, u"NetVisibility");
        ElementWalk::ForEachChildElement(*element, [&](const xercesc::DOMElement& child) {
            if (shared.ReadChild(child))
                return;
            if (ElementWalk::IsNamed(child, u"Transform"))
                GeometryAttributeReaders::ReadTransformText(child, m_transform);
            else
                readChild(child);
        });
        return true;
    }

    ReadContext* m_context;

private:
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    StoredTransform m_transform;
};

} // namespace Orvik
