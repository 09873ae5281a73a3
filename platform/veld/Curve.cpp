#include "veld/Curve.h"

namespace Orvik::Veld {

CurveKind curve::curve_kind() const {
    if (line() != nullptr)
        return CurveKind::kLine;
    if (ellipse() != nullptr)
        return CurveKind::kEllipse;
    return CurveKind::kNurbs;
}

std::unique_ptr<curve> curve::copy() const {
    return std::make_unique<curve>(m_geometry, dxid());
}

} // namespace Orvik::Veld
