#pragma once

#include "orvik/api/VertexIndexSet.h"

#include <vector>

namespace Orvik {

// One polygon of a mesh: its outer loop and, for meshes with holes, its inner loops.
class MeshPolygon {
public:
    MeshPolygon() = default;
    explicit MeshPolygon(VertexIndexSet outerLoop)
        : m_outer(std::move(outerLoop)) {}

    const VertexIndexSet& OuterLoop() const { return m_outer; }
    const std::vector<VertexIndexSet>& InnerLoops() const { return m_inner; }
    void AddInnerLoop(VertexIndexSet loop) { m_inner.push_back(std::move(loop)); }

private:
    VertexIndexSet m_outer;
    std::vector<VertexIndexSet> m_inner;
};

} // namespace Orvik
