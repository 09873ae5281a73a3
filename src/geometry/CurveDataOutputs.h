#pragma once

#include "orvik/api/DataReturnCodeEnum.h"
#include "orvik/api/Position.h"

namespace Orvik::CurveDataOutputs {

inline DataReturnCodeEnum Triple(const Position& value, double& x, double& y, double& z) {
    x = value.X();
    y = value.Y();
    z = value.Z();
    return DataReturnCodeEnum::kSuccess;
}

template <typename T>
DataReturnCodeEnum Value(const T& value, T& out) {
    out = value;
    return DataReturnCodeEnum::kSuccess;
}

} // namespace Orvik::CurveDataOutputs
