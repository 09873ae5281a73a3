#pragma once

#include "orvik/api/ICurve.h"

namespace Orvik {

// The binding's curve base: what every curve object of the kernel answers the same way.
class VeldCurve : public ICurve {
public:
    VeldCurve() = default;

    // Kernel curves share the kernel's process-wide state.
    bool IsThreadSafe() const override { return false; }
};

} // namespace Orvik
