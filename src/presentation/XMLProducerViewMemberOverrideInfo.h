#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"

namespace Orvik {

// How a view shows one member, keyed by the member's occurrence path.
struct XMLProducerViewMemberOverrideInfo {
    IdSet path;
    bool visible = false;
    Matrix3d transform;
    IdSet styles;
};

} // namespace Orvik
