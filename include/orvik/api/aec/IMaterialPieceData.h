#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/IMaterialData.h"

namespace Orvik {

// One piece of a material, with the share it takes.
class IMaterialPieceData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    // Always specified; empty when the piece names no material.
    virtual IsValueSpecifiedEnum Material(UTF8String& materialId) const = 0;
    virtual IsValueSpecifiedEnum Fraction(double& out) const = 0;
    virtual IsValueSpecifiedEnum Category(UTF16String& out) const = 0;
};

} // namespace Orvik
