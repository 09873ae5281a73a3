#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"
#include "orvik/api/UnitVector.h"
#include "orvik/api/aec/IMaterialData.h"

#include <cstdint>

namespace Orvik {

// One layer of a wall or slab.
class IMaterialLayerData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum Material(UTF8String& materialId) const = 0;
    virtual double LayerThickness() const = 0;
    virtual IsValueSpecifiedEnum OffsetDir(UnitVector& out) const = 0;
    virtual IsValueSpecifiedEnum StartOffset(double& out) const = 0;
    virtual IsValueSpecifiedEnum EndOffset(double& out) const = 0;
    virtual UnitTypeEnum LayerThicknessLengthUnit() const = 0;
    virtual IsValueSpecifiedEnum IsVentilated(bool& out) const = 0;
    virtual IsValueSpecifiedEnum Priority(std::uint64_t& out) const = 0;
    virtual IsValueSpecifiedEnum Category(UTF16String& out) const = 0;
};

} // namespace Orvik
