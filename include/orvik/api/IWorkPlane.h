#pragma once

#include "orvik/api/IGeometry.h"

namespace Orvik {

// A construction plane, optionally with an in-plane direction and a range to draw it in.
class IWorkPlane : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual void Origin(double& x, double& y, double& z) const = 0;
    virtual void Normal(double& x, double& y, double& z) const = 0;
    // Unspecified, writing nothing, when none was given or it is the zero vector.
    virtual IsValueSpecifiedEnum ReferenceDirection(double& x, double& y, double& z) const = 0;
    // Unspecified, writing nothing, when no range was given.
    virtual IsValueSpecifiedEnum DisplayRange(double& minX, double& minY, double& minZ,
                                              double& maxX, double& maxY, double& maxZ) const = 0;
};

} // namespace Orvik
