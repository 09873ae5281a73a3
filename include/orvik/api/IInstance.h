#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IObject.h"
#include "orvik/api/ITransformable.h"
#include "orvik/api/IUnit.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UnitTypeEnum.h"

namespace Orvik {

// One placement of a component or a file inside an assembly.
class IInstance : public ITransformable, public IObject, public IUnit, public IVisible {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual InstanceChildId InstanceChild() const = 0;
    // Configurations are not part of the interchange format.
    virtual IsValueSpecifiedEnum InstanceChildConfigId(UTF8String&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual bool IsNetVisible() const = 0;
    virtual IdSet Styles() const = 0;
    virtual IdSet NetStyles() const = 0;
    virtual IdSet Materials() const = 0;
    virtual void SetLengthUnit(UnitTypeEnum unit) = 0;
    virtual void SetDisplayAngleUnit(UnitTypeEnum unit) = 0;
    virtual void SetDisplayLengthUnit(UnitTypeEnum unit) = 0;
};

} // namespace Orvik
