#include "orvik/api/UnitVector.h"

#include "orvik/api/GeneralException.h"

#include <cmath>

namespace Orvik {

namespace {

constexpr double kMinimumLength = 1e-12;

} // namespace

UnitVector::UnitVector(double x, double y, double z) {
    // hypot keeps huge components from overflowing; the negated test also refuses NaN.
    const double length = std::hypot(x, y, z);
    if (!(length >= kMinimumLength) || !std::isfinite(length))
        throw GeneralException("Cannot make a unit vector from a vector of zero length.");
    m_x = x / length;
    m_y = y / length;
    m_z = z / length;
}

} // namespace Orvik
