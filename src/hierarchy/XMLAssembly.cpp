#include "hierarchy/XMLAssembly.h"

#include "hierarchy/AssemblyChildReaders.h"
#include "hierarchy/ElementWalk.h"
#include "hierarchy/XMLFileProperties.h"
#include "loader/ElementReaders.h"
#include "orvik/api/GeneralException.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLAssembly::XMLAssembly(XMLProducerImpl* context)
    : m_context(context) {}

XMLAssembly::~XMLAssembly() = default;

bool XMLAssembly::Read(const DOMElement* element, const ExternalGeometryTables& tables) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    ReadAttributes(*element);
    ElementWalk::ForEachChildElement(*element,
                                     [&](const DOMElement& child) { ReadChild(child, tables); });
    m_units.Settle();
    return true;
}

void XMLAssembly::ReadAttributes(const DOMElement& element) {
    SetId(ElementReaders::ReadElementId(*m_context, &element));
    ElementReaders::ReadLabelAndVersion(&element, *this);
    int single = 0;
    m_isSingleUnderRoot =
        XMLStrUtil::XMLStrToInt(element.getAttribute(u"IsSingleUnderRoot"), single) && single == 1;
}

void XMLAssembly::ReadChild(const DOMElement& child, const ExternalGeometryTables& tables) {
    if (m_units.ReadChild(child))
        return;
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        ReadChildSet(child, tables);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (ElementWalk::IsNamed(child, u"AttributeSet")) {
        AttributeSetReader::ReadAttributeSet(*m_context, &child, m_sets,
                                             m_context->Cache().ambrelAssets);
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        ElementReaders::ReadStyleRefs(m_context, &child, m_styles);
    } else if (ElementWalk::IsNamed(child, u"Materials")) {
        ElementReaders::ReadIdRefs(m_context, &child, u"Materials", MaterialRefNodeNameXMLCh,
                                   m_materials);
    } else if (ElementWalk::IsNamed(child, u"CrossLevelAttributes")) {
        m_crossLevel.Read(*m_context, child);
    } else if (ElementWalk::IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    }
}

void XMLAssembly::ReadChildSet(const DOMElement& childSet, const ExternalGeometryTables& tables) {
    const AssemblyChildSource source{*m_context, tables};
    ElementWalk::ForEachChildElement(childSet, [&](const DOMElement& entry) {
        const AssemblyChildReaders::Row* row = AssemblyChildReaders::Find(entry.getNodeName());
        // An entry without an id names nothing: it is skipped.
        if (row == nullptr || row->read == nullptr || !entry.hasAttribute(u"ID"))
            return;
        if (IObject* child = row->read(entry, source))
            m_children.push_back(AssemblyChildId::Create(child));
    });
}

AssemblyChildId XMLAssembly::ChildAt(std::uint64_t index) const {
    if (index >= m_children.size())
        throw GeneralException(UTF8String("Invalid index to child of XMLAssembly."));
    return m_children[static_cast<std::size_t>(index)];
}

IsValueSpecifiedEnum XMLAssembly::LengthUnit(UnitTypeEnum& unit) const {
    unit = m_units.Length();
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLAssembly::DisplayAngleUnit(UnitTypeEnum& unit) const {
    unit = m_units.DisplayAngle();
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLAssembly::DisplayLengthUnit(UnitTypeEnum& unit) const {
    unit = m_units.DisplayLength();
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
