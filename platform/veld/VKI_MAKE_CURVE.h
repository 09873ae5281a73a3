#pragma once

#include "veld/Curve.h"
#include "veld/EDGE.h"
#include "veld/outcome.h"

#include <memory>

namespace Orvik::Veld {

// Makes free kernel curves out of other entities.
class VKI_MAKE_CURVE {
public:
    // A curve with the edge's geometry and data-exchange id; it shares nothing with the edge,
    // so it stays valid after the edge's body is gone. The flag asks for an approximation,
    // which this kernel never needs: every edge curve is exact.
    static outcome from_edge(const EDGE* edge, bool approximate, std::unique_ptr<curve>& made);
};

} // namespace Orvik::Veld
