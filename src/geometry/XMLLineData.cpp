#include "geometry/XMLLineData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveRecordReader.h"

namespace Orvik {

XMLLineData::XMLLineData(const Position& root, const Position& direction, const Interval& range)
    : m_root(root)
    , m_direction(direction)
    , m_range(range) {}

std::unique_ptr<XMLLineData> XMLLineData::Read(CurveRecordReader& reader) {
    Position root;
    Position direction;
    double t0 = 0.0;
    double t1 = 0.0;
    if (!reader.Triple(root) || !reader.Triple(direction) || !reader.Double(t0) ||
        !reader.Double(t1))
        return nullptr;
    return std::make_unique<XMLLineData>(root, direction, Interval(t0, t1));
}

DataReturnCodeEnum XMLLineData::Root(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_root, x, y, z);
}

DataReturnCodeEnum XMLLineData::Direction(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_direction, x, y, z);
}

DataReturnCodeEnum XMLLineData::ParameterRange(Interval& range) const {
    return CurveDataOutputs::Value(m_range, range);
}

} // namespace Orvik
