#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF16String.h"

#include <cstdint>

namespace Orvik {

// A numbered collection of geometry items that is shown or hidden as one, with its styles.
class ILayer : public IObject, public IVisible {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual UTF16String Description() const = 0;
    virtual std::uint32_t LayerNumber() const = 0;
    virtual const IdSet& GeometryItems() const = 0;
    virtual const IdSet& Styles() const = 0;
};

} // namespace Orvik
