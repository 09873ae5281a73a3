#pragma once

#include "orvik/api/aec/IMaterialLayerData.h"

#include <cstddef>

namespace Orvik {

// The layers of a wall or slab, in document order.
class IMaterialLayerSetData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual std::size_t MaterialCount() const = 0;
    // Null for an index not below the count.
    virtual const IMaterialLayerData* MaterialAt(std::size_t index) const = 0;
    virtual double TotalThickness() const = 0;
    virtual UnitTypeEnum LayerTotalThicknessLengthUnit() const = 0;
};

} // namespace Orvik
