#pragma once

#include "orvik/api/IGeometry.h"

namespace Orvik {

// A reference frame without a body.
class ICoordSys : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual void Origin(double& x, double& y, double& z) const = 0;
    virtual void XAxis(double& x, double& y, double& z) const = 0;
    virtual void YAxis(double& x, double& y, double& z) const = 0;
};

} // namespace Orvik
