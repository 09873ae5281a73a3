#include "hierarchy/XMLPart.h"

#include "hierarchy/ComponentUnits.h"
#include "hierarchy/XMLFileProperties.h"
#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
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

XMLPart::XMLPart(ReadContext* context)
    : m_context(context) {}

XMLPart::~XMLPart() = default;

bool XMLPart::Read(const DOMElement* element) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    EntityReader shared(*m_context, *this, kComponentPolicy, Shared());
    shared.ReadIdentity(*element);
    ReadAttributes(*element);
    ComponentUnits units(ComponentUnits::NameMatch::kExact);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!units.ReadChild(child) && !shared.ReadChild(child))
            ReadChild(child);
    });
    units.Settle();
    m_lengthUnit = units.Length();
    m_displayAngleUnit = units.DisplayAngle();
    m_displayLengthUnit = units.DisplayLength();
    return true;
}

EntityReader::Targets XMLPart::Shared() {
    EntityReader::Targets targets;
    targets.styles = &m_styles;
    targets.materials = &m_materials;
    return targets;
}

void XMLPart::ReadAttributes(const DOMElement& element) {
    m_isSingleUnderRoot = IsOneInteger(element.getAttribute(u"IsSingleUnderRoot"));
}

void XMLPart::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        ChildSetReader::SizeForFirstSet(child, m_children);
        ChildSetReader::Read(child, Place::kPart, *m_context, [this](const UTF8String& id) {
            if (IObject* object = m_context->Find(id))
                m_children.push_back(PartChildId::Create(object));
        });
    } else if (ElementWalk::IsNamed(child, u"AttributeSet")) {
        AttributeSetReader::ReadAttributeSet(*m_context, &child, m_sets,
                                             m_context->Cache().ambrelAssets);
    } else if (ElementWalk::IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    }
}

const Orvik::FileProperties* XMLPart::FileProperties() const {
    return m_properties.get();
}

PartChildId XMLPart::ChildAt(std::uint64_t index) const {
    return m_children[CheckedIndex::Of(index, m_children.size())];
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
