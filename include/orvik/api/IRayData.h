#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

namespace Orvik {

// A half line from an origin along a direction.
class IRayData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    IRayData()
        : IBaseData(nullptr) {}
    virtual DataReturnCodeEnum Origin(double& x, double& y, double& z) const = 0;
    virtual DataReturnCodeEnum Direction(double& x, double& y, double& z) const = 0;
};

} // namespace Orvik
