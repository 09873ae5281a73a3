#include "veld/CurveGeometry.h"

#include <cmath>

namespace Orvik::Veld {
namespace {

bool IsFinite(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool IsZero(const Point3& p) {
    return p.x == 0.0 && p.y == 0.0 && p.z == 0.0;
}

bool IsUsableAxis(const Point3& p) {
    return IsFinite(p) && !IsZero(p);
}

bool IsWellFormedRange(double start, double end) {
    return std::isfinite(start) && std::isfinite(end) && start <= end;
}

bool IsWellFormedLine(const LineGeometry& line) {
    return IsFinite(line.root) && IsUsableAxis(line.direction) &&
           IsWellFormedRange(line.start, line.end);
}

bool IsWellFormedEllipse(const EllipseGeometry& ellipse) {
    return IsFinite(ellipse.centre) && IsUsableAxis(ellipse.normal) &&
           IsUsableAxis(ellipse.majorAxis) && std::isfinite(ellipse.ratio) && ellipse.ratio > 0.0 &&
           ellipse.ratio <= 1.0 && IsWellFormedRange(ellipse.start, ellipse.end);
}

bool AreWellFormedKnots(const std::vector<double>& knots) {
    for (std::size_t i = 0; i < knots.size(); ++i) {
        if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1]))
            return false;
    }
    return true;
}

bool AreWellFormedWeights(const NurbsGeometry& nurbs) {
    if (!nurbs.rational)
        return nurbs.weights.empty();
    if (nurbs.weights.size() != nurbs.controlPoints.size())
        return false;
    for (double weight : nurbs.weights)
        if (!std::isfinite(weight) || weight <= 0.0)
            return false;
    return true;
}

bool IsWellFormedNurbs(const NurbsGeometry& nurbs) {
    const std::size_t points = nurbs.controlPoints.size();
    if (nurbs.degree < 1 || points < std::size_t{nurbs.degree} + 1)
        return false;
    if (nurbs.knots.size() != points + nurbs.degree + 1)
        return false;
    for (const Point3& p : nurbs.controlPoints)
        if (!IsFinite(p))
            return false;
    return AreWellFormedWeights(nurbs) && AreWellFormedKnots(nurbs.knots);
}

struct WellFormedCheck {
    bool operator()(const LineGeometry& g) const { return IsWellFormedLine(g); }
    bool operator()(const EllipseGeometry& g) const { return IsWellFormedEllipse(g); }
    bool operator()(const NurbsGeometry& g) const { return IsWellFormedNurbs(g); }
};

} // namespace

bool IsWellFormed(const CurveGeometry& geometry) {
    return std::visit(WellFormedCheck{}, geometry);
}

} // namespace Orvik::Veld
