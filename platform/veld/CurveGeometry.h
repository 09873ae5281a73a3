#pragma once

#include <cstdint>
#include <variant>
#include <vector>

namespace Orvik::Veld {

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A bounded straight line: root + t * direction for t in [start, end].
struct LineGeometry {
    Point3 root;
    Point3 direction;
    double start = 0.0;
    double end = 1.0;
};

// An ellipse in the plane through centre normal to `normal`; the major axis vector gives the
// major radius, ratio the minor radius relative to it (a circle has ratio 1). Parameters are
// angles in radians.
struct EllipseGeometry {
    Point3 centre;
    Point3 normal;
    Point3 majorAxis;
    double ratio = 1.0;
    double start = 0.0;
    double end = 0.0;
};

// A NURBS curve; weights are empty unless the curve is rational. Its parameter range is
// [knots[degree], knots[controlPoints.size()]].
struct NurbsGeometry {
    std::uint32_t degree = 1;
    bool rational = false;
    std::vector<Point3> controlPoints;
    std::vector<double> weights;
    std::vector<double> knots;
};

using CurveGeometry = std::variant<LineGeometry, EllipseGeometry, NurbsGeometry>;

// False for geometry no curve can be made of: zero directions or axes, a ratio outside
// (0, 1], inconsistent NURBS counts, decreasing knots, weights not above 0, non-finite values.
bool IsWellFormed(const CurveGeometry& geometry);

} // namespace Orvik::Veld
