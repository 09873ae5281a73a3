#pragma once

#include "orvik/api/IBaseData.h"
#include "orvik/api/ICurveData.h"
#include "orvik/api/IDataResourceManager.h"

#include <cstdint>

namespace Orvik {

// A chain of curve pieces, each with a flag, a pair of numbers and a value of its own.
class ICompositeCurveData : public IBaseData, public IDataResourceManager, public ICurveData {
public:
    ICompositeCurveData()
        : IBaseData(nullptr) {}
    // The number of entries announced; pieces without an id hold no segment, so SegmentAt may
    // answer fewer.
    virtual DataReturnCodeEnum SegmentCount(std::uint32_t& count) const = 0;
    // kInvalidIndex, outputs untouched, for a negative index or one not below what is held.
    virtual DataReturnCodeEnum SegmentAt(int index, const ICurveData*& segment) const = 0;
    virtual DataReturnCodeEnum SegmentFlagAt(int index, bool& flag) const = 0;
    virtual DataReturnCodeEnum SegmentPairAt(int index, double& first, double& second) const = 0;
    virtual DataReturnCodeEnum SegmentValueAt(int index, std::uint32_t& value) const = 0;
};

} // namespace Orvik
