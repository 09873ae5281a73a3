#pragma once

#include "orvik/api/IEllipseData.h"

#include <memory>

namespace Orvik {

class CurveRecordReader;

class XMLEllipseData : public IEllipseData {
public:
    struct Values {
        bool closed = false;
        bool periodic = false;
        Position center{0.0, 0.0, 0.0};
        Position majorAxis{1.0, 0.0, 0.0};
        Position normal{0.0, 0.0, 1.0};
        double ratio = 1.0;
        Interval range;
    };

    explicit XMLEllipseData(const Values& values);
    // Null when the record cannot be read whole.
    static std::unique_ptr<XMLEllipseData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum Center(double& x, double& y, double& z) const override;
    DataReturnCodeEnum MajorAxis(double& x, double& y, double& z) const override;
    DataReturnCodeEnum Normal(double& x, double& y, double& z) const override;
    DataReturnCodeEnum Ratio(double& ratio) const override;
    DataReturnCodeEnum ParameterRange(Interval& range) const override;
    DataReturnCodeEnum IsClosed(bool& closed) const override;
    DataReturnCodeEnum IsPeriodic(bool& periodic) const override;

private:
    Values m_values;
};

} // namespace Orvik
