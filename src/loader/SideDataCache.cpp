#include "loader/SideDataCache.h"

namespace Orvik {

void SideDataCache::Clear() {
    // Curves made from edges may refer to bodies: free them before the bodies.
    edgeCurvesByDxid.clear();
    bodiesByDxid.clear();
    meshesById.clear();
    curvesById.clear();
    ambrelAssets.clear();
    subObjectPersistentIds.clear();
    animations.reset();
}

} // namespace Orvik
