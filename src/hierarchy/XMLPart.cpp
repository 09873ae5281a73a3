#include "hierarchy/XMLPart.h"

#include "hierarchy/ComponentUnits.h"
#include "hierarchy/ElementWalk.h"
#include "hierarchy/PartChildReaders.h"
#include "hierarchy/XMLFileProperties.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"

#include <stdexcept>

namespace Orvik {
namespace {

using xercesc::DOMElement;

IsValueSpecifiedEnum CopyUnit(UnitTypeEnum field, UnitTypeEnum& unit) {
    unit = field;
    return IsValueSpecifiedEnum::kSpecified;
}

bool IsOneInteger(const XMLCh* text) {
    int value = 0;
    return XMLStrUtil::XMLStrToInt(text, value) && value == 1;
}

} // namespace

XMLPart::XMLPart(XMLProducerImpl* context)
    : m_context(context) {}

XMLPart::~XMLPart() = default;

bool XMLPart::Read(const DOMElement* element, const ExternalGeometryTables& tables) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    ReadAttributes(*element);
    ComponentUnits units(ComponentUnits::NameMatch::kExact);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!units.ReadChild(child))
            ReadChild(child, tables);
    });
    units.Settle();
    m_lengthUnit = units.Length();
    m_displayAngleUnit = units.DisplayAngle();
    m_displayLengthUnit = units.DisplayLength();
    return true;
}

void XMLPart::ReadAttributes(const DOMElement& element) {
    m_isSingleUnderRoot = IsOneInteger(element.getAttribute(u"IsSingleUnderRoot"));
    SetId(ElementReaders::ReadElementId(*m_context, &element));
    ElementReaders::ReadLabelAndVersion(&element, *this);
}

void XMLPart::ReadChild(const DOMElement& child, const ExternalGeometryTables& tables) {
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        PartChildSources sources{*m_context, tables};
        PartChildReaders::ReadChildSet(child, sources, PartChildReaders::Rows(), m_children);
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
    } else if (ElementWalk::IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    }
}

const Orvik::FileProperties* XMLPart::FileProperties() const {
    return m_properties.get();
}

PartChildId XMLPart::ChildAt(std::uint64_t index) const {
    if (index >= m_children.size())
        throw std::out_of_range("invalid vector subscript");
    return m_children[index];
}

IsValueSpecifiedEnum XMLPart::LengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_lengthUnit, unit);
}

IsValueSpecifiedEnum XMLPart::DisplayAngleUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayAngleUnit, unit);
}

IsValueSpecifiedEnum XMLPart::DisplayLengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayLengthUnit, unit);
}

} // namespace Orvik
