#pragma once

#include "orvik/api/INurbsCurveData.h"

#include <memory>
#include <vector>

namespace Orvik {

class CurveRecordReader;

class XMLNurbsCurveData : public INurbsCurveData {
public:
    struct Values {
        bool closed = false;
        bool periodic = false;
        std::vector<double> knots;
        std::vector<Position> controlPoints;
        bool rational = false;
        // One per control point when rational, none otherwise.
        std::vector<double> weights;
        std::uint32_t degree = 0;
        Interval range;
    };

    explicit XMLNurbsCurveData(Values values);
    // Null when the record cannot be read whole.
    static std::unique_ptr<XMLNurbsCurveData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum Degree(std::uint32_t& degree) const override;
    DataReturnCodeEnum KnotCount(std::uint32_t& count) const override;
    DataReturnCodeEnum ControlPointCount(std::uint32_t& count) const override;
    DataReturnCodeEnum IsRational(bool& rational) const override;
    DataReturnCodeEnum KnotAt(std::uint32_t index, double& knot) const override;
    DataReturnCodeEnum ControlPointAt(std::uint32_t index, double& x, double& y, double& z,
                                      double& weight) const override;
    DataReturnCodeEnum Reserved(std::uint32_t& value) const override;
    DataReturnCodeEnum ParameterRange(Interval& range) const override;
    DataReturnCodeEnum IsClosed(bool& closed) const override;
    DataReturnCodeEnum IsPeriodic(bool& periodic) const override;

private:
    static bool ReadLists(CurveRecordReader& reader, Values& values);

    Values m_values;
};

} // namespace Orvik
