#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"
#include "orvik/api/aec/IMaterialData.h"

#include <cstdint>

namespace Orvik {

class IObject;

// One profile of a material.
class IMaterialProfileData : public IMaterialData {
public:
    void AcceptVisitor(MaterialDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum Material(UTF8String& materialId) const = 0;
    // The profile's shape; documents do not carry one, so it is null.
    virtual const IObject* ProfileDefinition() const = 0;
    virtual UnitTypeEnum ProfileLengthUnit() const = 0;
    virtual IsValueSpecifiedEnum Priority(std::uint64_t& out) const = 0;
    virtual IsValueSpecifiedEnum Category(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum StartOffset(double& out) const = 0;
    virtual IsValueSpecifiedEnum EndOffset(double& out) const = 0;
};

} // namespace Orvik
