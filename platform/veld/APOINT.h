#pragma once

#include "veld/CurveGeometry.h"
#include "veld/ENTITY.h"

namespace Orvik::Veld {

// A free point of a body file; nothing in the document is made from it.
class APOINT : public ENTITY {
public:
    APOINT(Point3 position, std::string dxid)
        : ENTITY(EntityKind::kPoint, std::move(dxid))
        , m_position(position) {}

    const Point3& position() const { return m_position; }

private:
    Point3 m_position;
};

} // namespace Orvik::Veld
