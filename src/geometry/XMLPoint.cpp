#include "geometry/XMLPoint.h"

#include "geometry/GeometryAttributeReaders.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLPoint::XMLPoint(XMLProducerImpl* context)
    : m_context(context) {}

bool XMLPoint::ParsePointElement(const DOMElement* element) {
    if (element == nullptr)
        return false;
    UTF8String id;
    XMLUtils::GetNodeAttribute(element, u"ID", id);
    SetId(m_context != nullptr ? ElementReaders::ReadElementId(*m_context, element) : id);
    UTF16String label;
    XMLUtils::GetNodeAttribute(element, u"Label", label);
    SetLabel(label);
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(element, u"VersionPersistentId", versionId))
        SetVersionPersistentId(versionId);
    m_visible = GeometryAttributeReaders::ReadVisibility(*element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(*element, u"NetVisibility");
    ElementWalk::ForEachChildElement(*element,
                                     [this](const DOMElement& child) { ReadChild(child); });
    return true;
}

void XMLPoint::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"Point")) {
        m_x = m_y = m_z = 0.0;
        ElementReaders::ReadXYZLoose(&child, m_x, m_y, m_z);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        // Kept whatever the reading gave, so that every child answers for its type.
        ElementReaders::AddExtensionData(m_context ? m_context->SideFileDirectory() : UTF16String(),
                                         child, *this);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        GeometryAttributeReaders::ReadTransformText(child, m_transform);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
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
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"Materials")) {
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), MaterialRefNodeNameXMLCh,
                                   m_materials);
    }
}

void XMLPoint::SetTransform(const Matrix3d& transform) {
    GeometryAttributeReaders::StoreTransform(transform, m_transform);
}

const Matrix3d& XMLPoint::Transform() const {
    return GeometryAttributeReaders::TransformOrIdentity(m_transform);
}

IsValueSpecifiedEnum XMLPoint::LengthUnit(UnitTypeEnum& unit) const {
    unit = m_lengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLPoint::DisplayAngleUnit(UnitTypeEnum&) const {
    return IsValueSpecifiedEnum::kUnspecified;
}

IsValueSpecifiedEnum XMLPoint::DisplayLengthUnit(UnitTypeEnum& unit) const {
    unit = m_displayLengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
