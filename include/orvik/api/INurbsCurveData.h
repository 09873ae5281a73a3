#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

#include <cstdint>

namespace Orvik {

// A B-spline curve: knots, control points and, when rational, a weight per control point.
class INurbsCurveData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    INurbsCurveData()
        : IBaseData(nullptr) {}
    virtual DataReturnCodeEnum Degree(std::uint32_t& degree) const = 0;
    virtual DataReturnCodeEnum KnotCount(std::uint32_t& count) const = 0;
    virtual DataReturnCodeEnum ControlPointCount(std::uint32_t& count) const = 0;
    virtual DataReturnCodeEnum IsRational(bool& rational) const = 0;
    // kInvalidIndex, outputs untouched, for an index not below its count.
    virtual DataReturnCodeEnum KnotAt(std::uint32_t index, double& knot) const = 0;
    // The weight is 1.0 for a curve that is not rational.
    virtual DataReturnCodeEnum ControlPointAt(std::uint32_t index, double& x, double& y, double& z,
                                              double& weight) const = 0;
    // Kept in the framework's slot order; the format has no value for it, so it is always 0.
    virtual DataReturnCodeEnum Reserved(std::uint32_t& value) const = 0;
    virtual DataReturnCodeEnum CurveContinuity(std::uint32_t&) const {
        return DataReturnCodeEnum::kNotImplemented;
    }
    virtual DataReturnCodeEnum Negate_ex() { return DataReturnCodeEnum::kNotImplemented; }
};

} // namespace Orvik
