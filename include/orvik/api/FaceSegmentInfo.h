#pragma once

#include "orvik/api/PolygonIndexSet.h"

namespace Orvik {

// A group of a mesh's polygons that the producing application saw as one face.
class FaceSegmentInfo {
public:
    void SetPolygonIndexSet(PolygonIndexSet polygons) { m_polygons = std::move(polygons); }
    const PolygonIndexSet& Polygons() const { return m_polygons; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool IsVisible() const { return m_visible; }

private:
    PolygonIndexSet m_polygons;
    bool m_visible = true;
};

} // namespace Orvik
