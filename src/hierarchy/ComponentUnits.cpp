#include "hierarchy/ComponentUnits.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

bool ComponentUnits::ReadChild(const xercesc::DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"Unit")) {
        ElementReaders::ReadUnit(&child, m_length, m_displayAngle, m_displayLength);
        m_unitSeen = true;
        return true;
    }
    if (!IsUnitAndTolerance(child))
        return false;
    if (!m_unitSeen && m_unitAndTolerance == nullptr)
        m_unitAndTolerance = &child;
    return true;
}

void ComponentUnits::Settle() {
    if (m_unitSeen || m_unitAndTolerance == nullptr)
        return;
    // Read here rather than by the shared reader, which takes only the exact element name.
    UTF8String lengthUnit;
    XMLUtils::GetNodeAttribute(m_unitAndTolerance, u"LengthUnit", lengthUnit);
    XMLStrUtil::StringToUnitType(lengthUnit, m_length);
    m_displayAngle = UnitTypeEnum::kUnitType_Unknown;
    m_displayLength = m_length;
    m_unitAndTolerance = nullptr;
}

bool ComponentUnits::IsUnitAndTolerance(const xercesc::DOMElement& child) const {
    return m_match == NameMatch::kIgnoreCase
               ? ElementWalk::IsNamedIgnoringCase(child, u"UnitAndTolerance")
               : ElementWalk::IsNamed(child, u"UnitAndTolerance");
}

} // namespace Orvik
