#pragma once

#include "orvik/api/IGeometry.h"
#include "orvik/api/Matrix3d.h"

#include <cstdint>

namespace Orvik {

// Positions kept as the document's text and converted on each request.
class IPointCloud : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t PointCount() const = 0;
    // Writes nothing for an index not below PointCount().
    virtual void PointAt(std::uint64_t index, double& x, double& y, double& z) const = 0;
    // The identity is not stored.
    virtual void SetTransform(const Matrix3d& transform) = 0;
};

} // namespace Orvik
