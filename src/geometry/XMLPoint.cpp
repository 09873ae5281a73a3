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
    : XMLPointGeometry(context) {}

bool XMLPoint::ParsePointElement(const DOMElement* element) {
    if (element == nullptr)
        return false;
    ReadCommonAttributes(*element);
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(element, u"VersionPersistentId", versionId))
        SetVersionPersistentId(versionId);
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
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"Materials")) {
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), MaterialRefNodeNameXMLCh,
                                   m_materials);
    } else {
        ReadCommonChild(child);
    }
}

} // namespace Orvik
