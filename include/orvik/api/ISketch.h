#pragma once

#include "orvik/api/IGeometry.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>

namespace Orvik {

// Curves and points drawn together, listed by id.
class ISketch : public IGeometry {
public:
    enum SketchTypeEnum : std::uint32_t {
        kSketchType_2D = 0,
        kSketchType_3D = 1,
        // The document named no type this interface knows.
        kSketchType_Unknown = 0xFFFFFFFFu,
    };

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint32_t SketchType() const = 0;
    virtual IdSet CurveIds() const = 0;
    virtual IdSet ChildIds() const = 0;
    // Curve ids and child ids together.
    virtual std::uint64_t TotalCount() const = 0;
    // Curves first, then children; empty for an index not below the total count.
    virtual UTF8String IdAt(std::uint64_t index) const = 0;
    // False when no transform other than the identity was given; Transform() then answers the
    // identity.
    virtual bool HasTransform() const = 0;
};

} // namespace Orvik
