#include "geometry/XMLHierachyObject.h"

#include "geometry/GeometryAttributeReaders.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLHierachyObject::XMLHierachyObject(XMLProducerImpl* context)
    : m_context(context) {}

XMLHierachyObject::~XMLHierachyObject() = default;

IsValueSpecifiedEnum XMLHierachyObject::VersionPersistentId(UTF8String& out) const {
    if (m_versionPersistentId.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_versionPersistentId;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLHierachyObject::ChangeKey(UTF16String& out) const {
    if (!m_hasChangeKey)
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_changeKey;
    return IsValueSpecifiedEnum::kSpecified;
}

const Matrix3d& XMLHierachyObject::HierarchyTransform() const {
    return GeometryAttributeReaders::TransformOrIdentity(m_transform);
}

bool XMLHierachyObject::ParseHierarchyElement(const DOMElement* element) {
    if (element == nullptr)
        return false;
    ReadAttributes(*element);
    ElementWalk::ForEachChildElement(*element,
                                     [this](const DOMElement& child) { ReadChild(child); });
    return true;
}

void XMLHierachyObject::ReadAttributes(const DOMElement& element) {
    XMLUtils::GetNodeAttribute(&element, u"ID", m_id);
    if (m_context != nullptr)
        m_id = ElementReaders::ReadElementId(*m_context, &element);
    XMLUtils::GetNodeAttribute(&element, u"Label", m_label);
    m_visible = GeometryAttributeReaders::ReadVisibility(element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(element, u"NetVisibility");
    XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", m_versionPersistentId);
}

void XMLHierachyObject::ReadChild(const DOMElement& child) {
    // Unlike points and curves, these kinds take their names in exact letter case only.
    if (ElementWalk::IsNamed(child, u"Transform")) {
        GeometryAttributeReaders::ReadTransformText(child, m_transform);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        m_hasChangeKey = ElementReaders::ReadChangeKey(&child, m_changeKey) || m_hasChangeKey;
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum dropped = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, m_lengthUnit, dropped, m_displayLengthUnit);
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        ElementReaders::ReadStyleRefs(m_context, &child, m_styles);
    }
}

} // namespace Orvik
