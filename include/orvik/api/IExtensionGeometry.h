#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IGeometry.h"

#include <cstdint>

namespace Orvik {

// Geometry that extends a model beyond its solids, grouped as one object.
class IExtensionGeometry : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    // Throws GeneralException for an index not below the count; an id whose object is not
    // held answers an empty child id.
    virtual ExtensionGeometryChildId ChildAt(std::uint64_t index) const = 0;
    // False when no transform other than the identity was given; Transform() then answers the
    // identity.
    virtual bool HasTransform() const = 0;
};

} // namespace Orvik
