#pragma once

#include "veld/VeldBrep.h"

namespace Orvik {

// A brep whose holder may take the body away, for hosts that keep bodies longer than objects.
class DetachableVeldBrep : public VeldBrep {
public:
    using VeldBrep::VeldBrep;

    // The body the brep looked at, which it forgets; null when it had none. Ownership does not
    // move: the body stays with whoever restored it.
    virtual const Veld::BODY* DetachVeldBody() { return ReleaseBody(); }
};

} // namespace Orvik
