#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/Position.h"
#include "orvik/api/UnitTypeEnum.h"

#include <cstdint>

namespace Orvik {

class ITextLine;

// The text block of a callout: lines of fragments placed at an origin.
class IText {
public:
    virtual ~IText() = default;
    virtual void Origin(Position& origin) const = 0;
    virtual IsValueSpecifiedEnum Transform(Matrix3d& transform) const = 0;
    virtual std::uint64_t TextLineCount() const = 0;
    // Throws std::out_of_range for an index not below the count. Owned by the text.
    virtual const ITextLine* TextLineAt(std::uint64_t index) const = 0;
    virtual void TextJustification(std::int32_t& justification) const = 0;
    virtual IsValueSpecifiedEnum IsVertical(bool& vertical) const = 0;
    virtual IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const = 0;
};

} // namespace Orvik
