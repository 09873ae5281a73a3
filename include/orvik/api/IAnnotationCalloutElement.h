#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IObject.h"

#include <cstdint>

namespace Orvik {

// One part of a callout: the geometry (curves, points, meshes) it points at, with its styles.
class IAnnotationCalloutElement : public IObject {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    // Throws GeneralException for an index not below the count; an id whose object is not
    // held answers an empty child id.
    virtual AnnotationCalloutElementChildId ChildAt(std::uint64_t index) const = 0;
    virtual IdSet Styles() const = 0;
};

} // namespace Orvik
