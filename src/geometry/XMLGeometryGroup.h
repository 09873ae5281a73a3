#pragma once

#include "geometry/GeometryGroupFields.h"
#include "loader/ChildSetReader.h"
#include "loader/Dispatcher.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLEntity.h"

namespace Orvik {

class ReadContext;

// The base of the grouping entities: the geometry operations answered from the fields they
// share.
template <typename Interface>
class XMLGeometryGroup : public XMLEntity<Interface> {
public:
    explicit XMLGeometryGroup(ReadContext* context)
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
    bool HasTransform() const override { return m_fields.transform.IsSet(); }
    const Matrix3d& Transform() const override { return m_fields.transform.Get(); }

protected:
    // The shared reading of a set's element: its identity and visibility, the common children
    // as the kind's policy says, then each other child through the kind's own reader. Every
    // read counts as one level of nesting.
    template <typename ReadChild>
    bool ReadGroupElement(const xercesc::DOMElement* element, EntityReader::Policy policy,
                          ReadChild readChild) {
        if (element == nullptr)
            return false;
        const NestingGuard nesting(m_context->Registry());
        if (nesting.TooDeep())
            return false;
        policy.reads |= EntityReader::kUnit | EntityReader::kVersionPersistentId;
        EntityReader shared(*m_context, *this, policy, SharedTargets());
        shared.ReadIdentity(*element);
        ReadVisibility(*element);
        ElementWalk::ForEachChildElement(*element, [&](const xercesc::DOMElement& child) {
            if (!shared.ReadChild(child))
                readChild(child);
        });
        return true;
    }

    virtual void ReadVisibility(const xercesc::DOMElement& element) {
        m_fields.ReadVisibilityFlags(element);
    }
    // Kinds that keep no animations leave their target null.
    virtual IdSet* AnimationTarget() { return nullptr; }

    // Each child once, in document order.
    void ReadChildSet(const xercesc::DOMElement& set, Place place, IdSet& children) {
        ChildSetReader::Read(set, place, *m_context, [&children](const UTF8String& id) {
            children.AddWithUniquenessCheck(id);
        });
    }

    ReadContext* m_context;
    GeometryGroupFields m_fields;

private:
    EntityReader::Targets SharedTargets() {
        EntityReader::Targets targets;
        targets.styles = &m_fields.styles;
        targets.netStyles = &m_fields.netStyles;
        targets.materials = &m_fields.materials;
        targets.animations = AnimationTarget();
        targets.lengthUnit = &m_fields.lengthUnit;
        targets.displayAngleUnit = &m_fields.displayAngleUnit;
        targets.displayLengthUnit = &m_fields.displayLengthUnit;
        return targets;
    }

    static IsValueSpecifiedEnum Copy(UnitTypeEnum field, UnitTypeEnum& unit) {
        unit = field;
        return IsValueSpecifiedEnum::kSpecified;
    }
};

} // namespace Orvik
