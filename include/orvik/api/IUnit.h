#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UnitTypeEnum.h"

namespace Orvik {

// Units of an object's geometry and of its display.
class IUnit {
public:
    virtual IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const = 0;
    virtual IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const = 0;
    virtual IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const = 0;
    virtual ~IUnit() = default;
};

} // namespace Orvik
