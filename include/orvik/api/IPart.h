#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IComponent.h"

#include <cstdint>

namespace Orvik {

// A leaf component of the hierarchy: it holds the geometry.
class IPart : public IComponent {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    virtual PartChildId ChildAt(std::uint64_t index) const = 0;
};

} // namespace Orvik
