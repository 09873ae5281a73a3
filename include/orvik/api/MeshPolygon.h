#pragma once

#include "orvik/api/VertexIndexSet.h"

#include <memory>
#include <vector>

namespace Orvik {

// One polygon of a mesh: its outer loop and, for meshes with holes, its inner loops.
class MeshPolygon {
public:
    MeshPolygon() = default;
    explicit MeshPolygon(VertexIndexSet outerLoop)
        : m_outer(std::move(outerLoop)) {}
    MeshPolygon(const MeshPolygon& other);
    MeshPolygon& operator=(const MeshPolygon& other);
    MeshPolygon(MeshPolygon&&) noexcept = default;
    MeshPolygon& operator=(MeshPolygon&&) noexcept = default;
    ~MeshPolygon() = default;

    const VertexIndexSet& OuterLoop() const { return m_outer; }
    const std::vector<VertexIndexSet>& InnerLoops() const;
    void AddInnerLoop(VertexIndexSet loop);

private:
    VertexIndexSet m_outer;
    // Null for the many polygons without holes.
    std::unique_ptr<std::vector<VertexIndexSet>> m_inner;
};

} // namespace Orvik
