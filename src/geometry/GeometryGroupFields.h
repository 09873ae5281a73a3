#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/StoredTransform.h"
#include "orvik/api/UnitTypeEnum.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The placement, units, tolerances, visibility and presentation references that geometric
// sets, extension geometry and sketches keep alike, with the readers of their child elements.
// Each reader answers whether the child was of its kind.
class GeometryGroupFields {
public:
    bool ReadTolerance(const xercesc::DOMElement& child);
    // A transform without text or equal to the identity is not kept.
    bool ReadTransform(const xercesc::DOMElement& child);
    // Flags as the attribute reader takes them; an absent or unreadable one leaves the value.
    void ReadVisibilityFlags(const xercesc::DOMElement& element);
    // True only for exactly "1", so an absent attribute hides.
    void ReadVisibilityStrict(const xercesc::DOMElement& element);

    UnitTypeEnum lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    double angularTolerance = -1.0;
    double linearTolerance = -1.0;
    double paramTolerance = -1.0;
    StoredTransform transform;
    bool visible = true;
    bool netVisible = true;
    IdSet styles;
    IdSet netStyles;
    IdSet materials;
};

} // namespace Orvik
