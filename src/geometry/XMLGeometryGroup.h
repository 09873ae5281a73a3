#pragma once

#include "geometry/GeometryGroupFields.h"
#include "geometry/SetNestingGuard.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
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
    // The shared reading of a set's element: its identity and visibility, then each child
    // element through the kind's own reader. Every read counts as one level of nesting.
    template <typename ReadChild>
    bool ReadGroupElement(const xercesc::DOMElement* element, ReadChild readChild) {
        if (element == nullptr)
            return false;
        const SetNestingGuard nesting(m_context->Registry());
        if (nesting.TooDeep())
            return false;
        this->SetId(ElementReaders::ReadElementId(*m_context, element));
        ElementReaders::ReadLabelAndVersion(element, *this);
        m_fields.ReadVisibilityFlags(*element);
        ElementWalk::ForEachChildElement(*element, readChild);
        return true;
    }

    XMLProducerImpl* m_context;
    GeometryGroupFields m_fields;

private:
    static IsValueSpecifiedEnum Copy(UnitTypeEnum field, UnitTypeEnum& unit) {
        unit = field;
        return IsValueSpecifiedEnum::kSpecified;
    }
};

} // namespace Orvik
