#pragma once

#include <array>

namespace Orvik {

// A 4x4 homogeneous transform stored row by row; the default is the identity.
class Matrix3d {
public:
    Matrix3d();
    static const Matrix3d& Identity();
    explicit Matrix3d(const std::array<double, 16>& rowMajor)
        : m_values(rowMajor) {}

    double At(int row, int column) const {
        return m_values[static_cast<unsigned>(row * 4 + column)];
    }
    void Set(int row, int column, double value) {
        m_values[static_cast<unsigned>(row * 4 + column)] = value;
    }
    const std::array<double, 16>& Values() const { return m_values; }
    bool IsIdentity() const;

    friend bool operator==(const Matrix3d& a, const Matrix3d& b) {
        return a.m_values == b.m_values;
    }
    friend bool operator!=(const Matrix3d& a, const Matrix3d& b) { return !(a == b); }

private:
    std::array<double, 16> m_values;
};

} // namespace Orvik
