#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

#include <cstdint>

namespace Orvik {

// Points joined by straight pieces; a closed one repeats its first point at the end.
class IPolyLineData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    IPolyLineData()
        : IBaseData(nullptr) {}
    virtual DataReturnCodeEnum PointCount(std::uint32_t& count) const = 0;
    // kInvalidIndex, outputs untouched, for an index not below the count.
    virtual DataReturnCodeEnum PointAt(std::uint32_t index, double& x, double& y,
                                       double& z) const = 0;
    virtual DataReturnCodeEnum IsPlanar_ex(bool&) const {
        return DataReturnCodeEnum::kNotImplemented;
    }
    virtual DataReturnCodeEnum IsSelfIntersect_ex(bool&) const {
        return DataReturnCodeEnum::kNotImplemented;
    }
};

} // namespace Orvik
