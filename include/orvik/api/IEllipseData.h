#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

namespace Orvik {

// An ellipse or elliptic arc: centre, major axis (its length is the major radius), normal, and
// the ratio of minor to major radius.
class IEllipseData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    IEllipseData()
        : IBaseData(nullptr) {}
    virtual DataReturnCodeEnum Center(double& x, double& y, double& z) const = 0;
    virtual DataReturnCodeEnum MajorAxis(double& x, double& y, double& z) const = 0;
    virtual DataReturnCodeEnum Normal(double& x, double& y, double& z) const = 0;
    virtual DataReturnCodeEnum Ratio(double& ratio) const = 0;
};

} // namespace Orvik
