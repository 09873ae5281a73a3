#pragma once

#include "orvik/api/ICamera.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>

namespace Orvik {

// A camera that cuts the model with section planes.
class ISectionCamera : public ICamera {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::size_t PlaneCount() const = 0;
    // Throws std::out_of_range for an index not below PlaneCount().
    virtual Plane PlaneAt(std::size_t index) const = 0;
    virtual UTF8String SectioningOperations() const = 0;
};

} // namespace Orvik
