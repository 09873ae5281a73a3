#pragma once

#include "orvik/api/Matrix3d.h"

#include <memory>

namespace Orvik {

// A transform kept only when it is not the identity: most objects sit where they were modelled,
// and a matrix is 128 bytes beside objects of a few hundred.
class StoredTransform {
public:
    StoredTransform() = default;
    explicit StoredTransform(const Matrix3d& matrix) { Set(matrix); }

    // The identity when none is held.
    const Matrix3d& Get() const { return m_matrix ? *m_matrix : Matrix3d::Identity(); }
    bool IsSet() const { return m_matrix != nullptr; }
    void Set(const Matrix3d& matrix);

private:
    std::unique_ptr<Matrix3d> m_matrix;
};

} // namespace Orvik
