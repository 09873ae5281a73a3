#include "geometry/PlaneElementReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"

#include <cmath>

namespace Orvik {

using xercesc::DOMElement;

bool PlaneElementReader::ReadDirection(const DOMElement& child, UnitVector& direction,
                                       ReadContext* context) {
    double x = 0.0, y = 0.0, z = 0.0;
    ElementReaders::ReadXYZLoose(&child, x, y, z);
    const double length = std::hypot(x, y, z);
    if (!(length >= 1e-12) || !std::isfinite(length)) {
        if (context != nullptr)
            context->Report(
                DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &child,
                UTF8String("a zero or unbounded vector names no direction; the direction stays"));
        return false;
    }
    direction = UnitVector(x, y, z);
    return true;
}

namespace {

// Without a reference, an in-plane direction of our own: the normal crossed with the world axis
// least parallel to it, so that it never degenerates.
UnitVector PerpendicularTo(const UnitVector& n) {
    const double ax = std::fabs(n.X()), ay = std::fabs(n.Y()), az = std::fabs(n.Z());
    if (ax <= ay && ax <= az)
        return UnitVector(0.0, n.Z(), -n.Y());
    if (ay <= az)
        return UnitVector(-n.Z(), 0.0, n.X());
    return UnitVector(n.Y(), -n.X(), 0.0);
}

} // namespace

void PlaneElementReader::ReadPlaneElement(const DOMElement* element, Plane& plane,
                                          ReadContext* context) {
    if (element == nullptr)
        return;
    Position origin;
    UnitVector normal;
    UnitVector reference;
    bool hasReference = false;
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Origin")) {
            double x = 0.0, y = 0.0, z = 0.0;
            ElementReaders::ReadXYZLoose(&child, x, y, z);
            origin.Set(x, y, z);
        } else if (ElementWalk::IsNamed(child, u"Normal")) {
            ReadDirection(child, normal, context);
        } else if (ElementWalk::IsNamed(child, u"Reference")) {
            // A zero reference would give no plane: it counts as absent.
            hasReference = ReadDirection(child, reference, context) || hasReference;
        }
    });
    plane = Plane(origin, normal, hasReference ? reference : PerpendicularTo(normal));
}

} // namespace Orvik
