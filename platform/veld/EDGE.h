#pragma once

#include "veld/CurveGeometry.h"
#include "veld/ENTITY.h"

namespace Orvik::Veld {

// An edge: a bounded curve, either of a body or standing alone in a body file.
class EDGE : public ENTITY {
public:
    EDGE(std::string subEntityId, CurveGeometry geometry, std::string dxid = std::string())
        : ENTITY(EntityKind::kEdge, std::move(dxid))
        , m_subEntityId(std::move(subEntityId))
        , m_geometry(std::move(geometry)) {}

    const std::string& sub_entity_id() const { return m_subEntityId; }
    const CurveGeometry& geometry() const { return m_geometry; }

private:
    std::string m_subEntityId;
    CurveGeometry m_geometry;
};

} // namespace Orvik::Veld
