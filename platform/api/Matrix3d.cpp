#include "orvik/api/Matrix3d.h"

namespace Orvik {

namespace {

constexpr std::array<double, 16> kIdentity = {1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0,
                                              0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0};

} // namespace

Matrix3d::Matrix3d()
    : m_values(kIdentity) {}

const Matrix3d& Matrix3d::Identity() {
    static const Matrix3d identity;
    return identity;
}

bool Matrix3d::IsIdentity() const {
    return m_values == kIdentity;
}

} // namespace Orvik
