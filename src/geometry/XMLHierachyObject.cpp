#include "geometry/XMLHierachyObject.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"

namespace Orvik {

using xercesc::DOMElement;

XMLHierachyObject::XMLHierachyObject(ReadContext* context)
    : XMLObject(UTF8String(), UTF16String())
    , m_context(context) {}

XMLHierachyObject::~XMLHierachyObject() = default;

IsValueSpecifiedEnum XMLHierachyObject::HierarchyChangeKey(UTF16String& out) const {
    if (!HasChangeKey())
        return IsValueSpecifiedEnum::kUnspecified;
    out = ChangeKeyRef();
    return IsValueSpecifiedEnum::kSpecified;
}

const Matrix3d& XMLHierachyObject::HierarchyTransform() const {
    return m_transform.Get();
}

bool XMLHierachyObject::ParseHierarchyElement(const DOMElement* element) {
    if (element == nullptr || m_context == nullptr)
        return false;
    // Names are taken in exact letter case only, unlike points and curves; the display angle
    // unit is not kept.
    EntityReader::Targets targets;
    targets.styles = &m_styles;
    targets.lengthUnit = &m_lengthUnit;
    targets.displayLengthUnit = &m_displayLengthUnit;
    EntityReader shared(*m_context, *this,
                        {EntityReader::kChangeKey | EntityReader::kUnit | EntityReader::kStyles |
                         EntityReader::kVersionPersistentId},
                        targets);
    shared.ReadIdentity(*element);
    m_visible = GeometryAttributeReaders::ReadVisibility(*element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(*element, u"NetVisibility");
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!shared.ReadChild(child) && ElementWalk::IsNamed(child, u"Transform"))
            GeometryAttributeReaders::ReadTransformText(child, m_transform);
    });
    return true;
}

} // namespace Orvik
