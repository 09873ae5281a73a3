#pragma once

#include "orvik/api/aec/IMaterialProfileData.h"

#include <cstddef>

namespace Orvik {

// The profiles of a material, in document order.
class IMaterialProfileSetData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual std::size_t MaterialCount() const = 0;
    // Null for an index not below the count.
    virtual const IMaterialProfileData* MaterialAt(std::size_t index) const = 0;
    // The shape shared by the profiles; documents do not carry one, so it is null.
    virtual const IObject* CompositeProfile() const = 0;
    virtual UnitTypeEnum ProfileLengthUnit() const = 0;
};

} // namespace Orvik
