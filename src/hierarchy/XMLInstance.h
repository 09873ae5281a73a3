#pragma once

#include "orvik/api/IInstance.h"
#include "orvik/api/StoredTransform.h"
#include "xml_util/XMLEntity.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "IInstance" element: a placement of a component or a file. Made only once the whole
// element has been read and the placed object exists.
class XMLInstance : public XMLEntity<IInstance> {
public:
    XMLInstance(const UTF8String& id, const UTF16String& label, const InstanceChildId& child,
                const Matrix3d& transform);
    ~XMLInstance() override;

    // Reads the element, creating the placed object from its element when it is not made
    // yet, and adds the instance to the collector. Null when no instance was made.
    static XMLInstance* ReadInstance(const xercesc::DOMElement& element, ReadContext& context);

    const Matrix3d& Transform() const override { return m_transform.Get(); }
    InstanceChildId InstanceChild() const override { return m_child; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    IdSet Materials() const override { return m_materials; }
    void SetLengthUnit(UnitTypeEnum unit) override { m_lengthUnit = unit; }
    void SetDisplayAngleUnit(UnitTypeEnum unit) override { m_displayAngleUnit = unit; }
    void SetDisplayLengthUnit(UnitTypeEnum unit) override { m_displayLengthUnit = unit; }

    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override;

    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;

    bool IsVisible() const override { return m_visible; }

private:
    InstanceChildId m_child;
    StoredTransform m_transform;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    IdSet m_materials;
    IdSet m_animations;
};

} // namespace Orvik
