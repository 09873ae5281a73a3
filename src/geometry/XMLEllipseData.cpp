#include "geometry/XMLEllipseData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveRecordReader.h"

namespace Orvik {

XMLEllipseData::XMLEllipseData(const Values& values)
    : m_values(values) {}

std::unique_ptr<XMLEllipseData> XMLEllipseData::Read(CurveRecordReader& reader) {
    Values values;
    double t0 = 0.0;
    double t1 = 0.0;
    if (!reader.BoolPair(values.closed, values.periodic) || !reader.Triple(values.center) ||
        !reader.Triple(values.majorAxis) || !reader.Triple(values.normal) ||
        !reader.Double(values.ratio) || !reader.Double(t0) || !reader.Double(t1))
        return nullptr;
    values.range = Interval(t0, t1);
    return std::make_unique<XMLEllipseData>(values);
}

DataReturnCodeEnum XMLEllipseData::Center(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_values.center, x, y, z);
}

DataReturnCodeEnum XMLEllipseData::MajorAxis(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_values.majorAxis, x, y, z);
}

DataReturnCodeEnum XMLEllipseData::Normal(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_values.normal, x, y, z);
}

DataReturnCodeEnum XMLEllipseData::Ratio(double& ratio) const {
    return CurveDataOutputs::Value(m_values.ratio, ratio);
}

DataReturnCodeEnum XMLEllipseData::ParameterRange(Interval& range) const {
    return CurveDataOutputs::Value(m_values.range, range);
}

DataReturnCodeEnum XMLEllipseData::IsClosed(bool& closed) const {
    return CurveDataOutputs::Value(m_values.closed, closed);
}

DataReturnCodeEnum XMLEllipseData::IsPeriodic(bool& periodic) const {
    return CurveDataOutputs::Value(m_values.periodic, periodic);
}

} // namespace Orvik
