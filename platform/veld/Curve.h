#pragma once

#include "veld/CurveGeometry.h"
#include "veld/ENTITY.h"

#include <memory>

namespace Orvik::Veld {

enum class CurveKind { kLine, kEllipse, kNurbs };

// A kernel curve. It owns its geometry, so it outlives whatever it was made from.
class curve : public ENTITY {
public:
    explicit curve(CurveGeometry geometry, std::string dxid = std::string())
        : ENTITY(EntityKind::kCurve, std::move(dxid))
        , m_geometry(std::move(geometry)) {}

    CurveKind curve_kind() const;
    const CurveGeometry& geometry() const { return m_geometry; }
    // Each is null unless the curve is of that kind.
    const LineGeometry* line() const { return std::get_if<LineGeometry>(&m_geometry); }
    const EllipseGeometry* ellipse() const { return std::get_if<EllipseGeometry>(&m_geometry); }
    const NurbsGeometry* nurbs() const { return std::get_if<NurbsGeometry>(&m_geometry); }
    // An independent curve with the same geometry and id, for holders that need their own.
    std::unique_ptr<curve> copy() const;

private:
    CurveGeometry m_geometry;
};

} // namespace Orvik::Veld
