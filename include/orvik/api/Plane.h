#pragma once

#include "orvik/api/Position.h"
#include "orvik/api/UnitVector.h"

namespace Orvik {

// A plane through an origin with a normal and an in-plane x direction.
class Plane {
public:
    Plane() = default;
    Plane(const Position& origin, const UnitVector& normal, const UnitVector& xDirection)
        : m_origin(origin)
        , m_normal(normal)
        , m_xDirection(xDirection) {}

    const Position& Origin() const { return m_origin; }
    const UnitVector& Normal() const { return m_normal; }
    const UnitVector& XDirection() const { return m_xDirection; }

private:
    Position m_origin;
    UnitVector m_normal;
    UnitVector m_xDirection{1.0, 0.0, 0.0};
};

} // namespace Orvik
