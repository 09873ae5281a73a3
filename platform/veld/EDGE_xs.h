#pragma once

#include "veld/EDGE.h"

namespace Orvik::Veld {

// Checked view of an entity as an edge: holds null when the entity is not one.
class EDGE_xs {
public:
    explicit EDGE_xs(ENTITY* entity)
        : m_edge(entity != nullptr && entity->kind() == EntityKind::kEdge
                     ? static_cast<EDGE*>(entity)
                     : nullptr) {}

    EDGE* get() const { return m_edge; }
    explicit operator bool() const { return m_edge != nullptr; }

private:
    EDGE* m_edge;
};

} // namespace Orvik::Veld
