#pragma once

#include "orvik/api/IGeometry.h"

namespace Orvik {

// A construction point.
class IWorkPoint : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual void Point(double& x, double& y, double& z) const = 0;
};

} // namespace Orvik
