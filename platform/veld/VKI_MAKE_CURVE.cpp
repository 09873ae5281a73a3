#include "veld/VKI_MAKE_CURVE.h"

namespace Orvik::Veld {

outcome VKI_MAKE_CURVE::from_edge(const EDGE* edge, bool, std::unique_ptr<curve>& made) {
    made.reset();
    if (edge == nullptr)
        return outcome(outcome::kNoEdge);
    made = std::make_unique<curve>(edge->geometry(), edge->dxid());
    return outcome();
}

} // namespace Orvik::Veld
