#pragma once

#include "orvik/api/Matrix3d.h"

namespace Orvik {

// An object placed in its parent's space by a transform.
class ITransformable {
public:
    virtual const Matrix3d& Transform() const = 0;
    virtual ~ITransformable() = default;
};

} // namespace Orvik
