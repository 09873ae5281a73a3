#pragma once

#include "geometry/GeometryGroupFields.h"
#include "xml_util/XMLEntity.h"

namespace Orvik {

class XMLProducerImpl;

// The base of the grouping entities: the geometry operations answered from the fields they
// share.
template <typename Interface>
class XMLGeometryGroup : public XMLEntity<Interface> {
public:
    explicit XMLGeometryGroup(XMLProducerImpl* context)
        : m_context(context) {}

    double AngularTolerance() const override { return m_fields.angularTolerance; }
    double LinearTolerance() const override { return m_fields.linearTolerance; }
    double ParamTolerance() const override { return m_fields.paramTolerance; }
    bool IsNetVisible() const override { return m_fields.netVisible; }
    bool IsVisible() const override { return m_fields.visible; }
    IdSet Styles() const override { return m_fields.styles; }
    IdSet NetStyles() const override { return m_fields.netStyles; }
    IdSet Materials() const override { return m_fields.materials; }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override {
        return Copy(m_fields.lengthUnit, unit);
    }
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override {
        return Copy(m_fields.displayAngleUnit, unit);
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override {
        return Copy(m_fields.displayLengthUnit, unit);
    }
    bool HasTransform() const override { return m_fields.transform != nullptr; }
    const Matrix3d& Transform() const override {
        static const Matrix3d kIdentity;
        return m_fields.transform ? *m_fields.transform : kIdentity;
    }

protected:
    XMLProducerImpl* m_context;
    GeometryGroupFields m_fields;

private:
    static IsValueSpecifiedEnum Copy(UnitTypeEnum field, UnitTypeEnum& unit) {
        unit = field;
        return IsValueSpecifiedEnum::kSpecified;
    }
};

} // namespace Orvik
