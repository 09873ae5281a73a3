#pragma once

#include "veld/EDGE.h"
#include "veld/ENTITY.h"
#include "veld/FACE.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Orvik::Veld {

// A solid or sheet body of the kernel; it owns its faces and edges.
class BODY : public ENTITY {
public:
    explicit BODY(std::string dxid = std::string())
        : ENTITY(EntityKind::kBody, std::move(dxid)) {}

    // Counts checked against the bytes left in the file.
    void reserve_faces(std::size_t count) { m_faces.reserve(count); }
    void reserve_edges(std::size_t count) { m_edges.reserve(count); }
    void add_face(std::unique_ptr<FACE> face) { m_faces.push_back(std::move(face)); }
    void add_edge(std::unique_ptr<EDGE> edge) { m_edges.push_back(std::move(edge)); }
    std::size_t face_count() const { return m_faces.size(); }
    std::size_t edge_count() const { return m_edges.size(); }
    const FACE& face(std::size_t index) const { return *m_faces.at(index); }
    const EDGE& edge(std::size_t index) const { return *m_edges.at(index); }

private:
    std::vector<std::unique_ptr<FACE>> m_faces;
    std::vector<std::unique_ptr<EDGE>> m_edges;
};

} // namespace Orvik::Veld
