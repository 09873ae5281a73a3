#pragma once

#include "orvik/api/IGeometry.h"

namespace Orvik {

// A construction axis.
class IWorkAxis : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual void StartPoint(double& x, double& y, double& z) const = 0;
    virtual void Axis(double& x, double& y, double& z) const = 0;
    virtual void EndPoint(double& x, double& y, double& z) const = 0;
};

} // namespace Orvik
