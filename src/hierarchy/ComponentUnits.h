#pragma once

#include "orvik/api/UnitTypeEnum.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// The three units of an assembly or part. A "Unit" element gives all three; without one, the
// first "UnitAndTolerance" gives the length unit, which the display length unit then follows.
class ComponentUnits {
public:
    // Assemblies take "UnitAndTolerance" in any letter case, parts only as written.
    enum class NameMatch { kExact, kIgnoreCase };

    explicit ComponentUnits(NameMatch unitAndToleranceMatch)
        : m_match(unitAndToleranceMatch) {}

    // False when the child is no unit element and was left alone.
    bool ReadChild(const xercesc::DOMElement& child);
    // After the last child.
    void Settle();

    UnitTypeEnum Length() const { return m_length; }
    UnitTypeEnum DisplayAngle() const { return m_displayAngle; }
    UnitTypeEnum DisplayLength() const { return m_displayLength; }

private:
    bool IsUnitAndTolerance(const xercesc::DOMElement& child) const;

    NameMatch m_match;
    bool m_unitSeen = false;
    const xercesc::DOMElement* m_unitAndTolerance = nullptr;
    UnitTypeEnum m_length = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngle = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLength = UnitTypeEnum::kUnitType_Unknown;
};

} // namespace Orvik
