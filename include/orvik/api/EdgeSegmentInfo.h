#pragma once

#include "orvik/api/VertexIndexSet.h"

namespace Orvik {

// A polyline along a mesh's vertices that the producing application saw as one edge.
class EdgeSegmentInfo {
public:
    void SetVertexIndexSet(VertexIndexSet vertices) { m_vertices = std::move(vertices); }
    const VertexIndexSet& Vertices() const { return m_vertices; }

private:
    VertexIndexSet m_vertices;
};

} // namespace Orvik
