#include "orvik/api/MeshPolygon.h"

namespace Orvik {

MeshPolygon::MeshPolygon(const MeshPolygon& other)
    : m_outer(other.m_outer) {
    if (other.m_inner)
        m_inner = std::make_unique<std::vector<VertexIndexSet>>(*other.m_inner);
}

MeshPolygon& MeshPolygon::operator=(const MeshPolygon& other) {
    if (this != &other) {
        MeshPolygon copy(other);
        *this = std::move(copy);
    }
    return *this;
}

const std::vector<VertexIndexSet>& MeshPolygon::InnerLoops() const {
    static const std::vector<VertexIndexSet> none;
    return m_inner ? *m_inner : none;
}

void MeshPolygon::AddInnerLoop(VertexIndexSet loop) {
    if (!m_inner)
        m_inner = std::make_unique<std::vector<VertexIndexSet>>();
    m_inner->push_back(std::move(loop));
}

} // namespace Orvik
