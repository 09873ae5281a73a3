#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

// A named collection of geometry items from anywhere in the hierarchy, with its materials.
class IGroup : public IObject {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual UTF16String Description() const = 0;
    virtual const IdSet& GeometryItems() const = 0;
    virtual IdSet Materials() const = 0;
};

} // namespace Orvik
