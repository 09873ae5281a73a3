#pragma once

#include "orvik/api/Vector.h"

namespace Orvik {

// A direction of length 1. The default points along z.
class UnitVector {
public:
    UnitVector() = default;
    // Normalises; throws GeneralException for a vector of (near) zero length.
    UnitVector(double x, double y, double z);
    explicit UnitVector(const Vector& v)
        : UnitVector(v.X(), v.Y(), v.Z()) {}

    double X() const { return m_x; }
    double Y() const { return m_y; }
    double Z() const { return m_z; }

    friend bool operator==(const UnitVector& a, const UnitVector& b) {
        return a.m_x == b.m_x && a.m_y == b.m_y && a.m_z == b.m_z;
    }

private:
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 1.0;
};

} // namespace Orvik
