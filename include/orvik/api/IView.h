#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UnitTypeEnum.h"

#include <cstddef>

namespace Orvik {

// A saved presentation state: the members it shows and how, and its cameras. Member
// operations throw std::out_of_range for an index not below MemberCount().
class IView : public IObject, public IVisible {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual bool IsActive() const = 0;
    virtual std::size_t MemberCount() const = 0;
    virtual IdSet MemberOccurrencePath(std::size_t index) const = 0;
    virtual bool MemberVisibility(std::size_t index) const = 0;
    virtual Matrix3d MemberTransform(std::size_t index) const = 0;
    virtual IsValueSpecifiedEnum Unit(UnitTypeEnum& unit) const = 0;
    virtual IdSet MemberStyles(std::size_t index) const = 0;
    virtual IdSet Cameras() const = 0;
};

} // namespace Orvik
