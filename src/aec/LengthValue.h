#pragma once

#include "aec/MaterialDataContext.h"
#include "orvik/api/UnitTypeEnum.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// A length written as "Value" with its "LengthUnit" ("LayerThickness", "TotalThickness").
class LengthValue {
public:
    // The unit changes only when recognised; the value is 0 when absent.
    static void Read(const xercesc::DOMElement& element, const MaterialDataContext& context,
                     double& value, UnitTypeEnum& unit);
    // A unit attribute, kept only when recognised.
    static void ReadUnit(const xercesc::DOMElement& element, const XMLCh* name, UnitTypeEnum& unit);
};

} // namespace Orvik
