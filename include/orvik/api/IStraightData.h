#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

namespace Orvik {

// A straight line through a root point along a direction, over a parameter range.
class IStraightData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    IStraightData()
        : IBaseData(nullptr) {}
    virtual DataReturnCodeEnum Root(double& x, double& y, double& z) const = 0;
    virtual DataReturnCodeEnum Direction(double& x, double& y, double& z) const = 0;
};

} // namespace Orvik
