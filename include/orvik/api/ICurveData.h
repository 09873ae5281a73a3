#pragma once

#include "orvik/api/DataReturnCodeEnum.h"
#include "orvik/api/Interval.h"
#include "orvik/api/Position.h"

#include <cstdint>

namespace Orvik {

class ICurveDataVisitor;

// The geometry of one curve piece. The framework evaluates curves itself; a record answers
// only what it stores.
class ICurveData {
public:
    virtual ~ICurveData() = default;
    virtual DataReturnCodeEnum ParameterRange(Interval&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum IsClosed(bool&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum IsPeriodic(bool&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum AcceptVisitor(ICurveDataVisitor&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum StartPoint_ex(Position&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum EndPoint_ex(Position&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum Evaluate_ex(double, Position&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum Param_ex(const Position&, double&) const { return NotImplemented(); }
    virtual DataReturnCodeEnum CheckSum(std::uint64_t&) const { return NotImplemented(); }

private:
    static DataReturnCodeEnum NotImplemented() { return DataReturnCodeEnum::kNotImplemented; }
};

} // namespace Orvik
