#pragma once

#include "orvik/api/aec/IMaterialPieceData.h"

#include <cstddef>

namespace Orvik {

// The pieces of a material, in document order.
class IMaterialPieceSetData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual std::size_t MaterialCount() const = 0;
    // Null for an index not below the count.
    virtual const IMaterialPieceData* MaterialAt(std::size_t index) const = 0;
};

} // namespace Orvik
