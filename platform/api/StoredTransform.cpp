#include "orvik/api/StoredTransform.h"

namespace Orvik {

void StoredTransform::Set(const Matrix3d& matrix) {
    if (matrix.IsIdentity())
        m_matrix.reset();
    else if (m_matrix)
        *m_matrix = matrix;
    else
        m_matrix = std::make_unique<Matrix3d>(matrix);
}

} // namespace Orvik
