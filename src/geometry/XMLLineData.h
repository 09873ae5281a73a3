#pragma once

#include "orvik/api/IStraightData.h"

#include <memory>

namespace Orvik {

class CurveRecordReader;

class XMLLineData : public IStraightData {
public:
    XMLLineData(const Position& root, const Position& direction, const Interval& range);
    // Null when the record cannot be read whole.
    static std::unique_ptr<XMLLineData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum Root(double& x, double& y, double& z) const override;
    DataReturnCodeEnum Direction(double& x, double& y, double& z) const override;
    DataReturnCodeEnum ParameterRange(Interval& range) const override;

private:
    Position m_root;
    Position m_direction;
    Interval m_range;
};

} // namespace Orvik
