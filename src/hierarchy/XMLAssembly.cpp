#include "hierarchy/XMLAssembly.h"

#include "hierarchy/XMLFileProperties.h"
#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "orvik/api/GeneralException.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLAssembly::XMLAssembly(ReadContext* context)
    : m_context(context) {}

XMLAssembly::~XMLAssembly() = default;

bool XMLAssembly::Read(const DOMElement* element) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    EntityReader shared(*m_context, *this, kComponentPolicy, Shared());
    shared.ReadIdentity(*element);
    ReadAttributes(*element);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!shared.ReadChild(child))
            ReadChild(child);
    });
    m_units.Settle();
    return true;
}

EntityReader::Targets XMLAssembly::Shared() {
    EntityReader::Targets targets;
    targets.styles = &m_styles;
    targets.materials = &m_materials;
    return targets;
}

void XMLAssembly::ReadAttributes(const DOMElement& element) {
    int single = 0;
    m_isSingleUnderRoot =
        XMLStrUtil::XMLStrToInt(element.getAttribute(u"IsSingleUnderRoot"), single) && single == 1;
}

void XMLAssembly::ReadChild(const DOMElement& child) {
    if (m_units.ReadChild(child))
        return;
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        ReadChildSet(child);
    } else if (ElementWalk::IsNamed(child, u"AttributeSet")) {
        AttributeSetReader::ReadAttributeSet(*m_context, &child, m_sets,
                                             m_context->Cache().ambrelAssets);
    } else if (ElementWalk::IsNamed(child, u"CrossLevelAttributes")) {
        m_crossLevel.Read(*m_context, child);
    } else if (ElementWalk::IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    }
}

void XMLAssembly::ReadChildSet(const DOMElement& childSet) {
    ChildSetReader::SizeForFirstSet(childSet, m_children);
    ChildSetReader::Read(childSet, Place::kAssembly, *m_context, [this](const UTF8String& id) {
        if (IObject* child = m_context->Find(id))
            m_children.push_back(AssemblyChildId::Create(child));
    });
}

AssemblyChildId XMLAssembly::ChildAt(std::uint64_t index) const {
    return m_children[CheckedIndex::OfChild(index, m_children.size(), "XMLAssembly")];
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
