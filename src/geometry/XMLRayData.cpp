#include "geometry/XMLRayData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveRecordReader.h"

namespace Orvik {

XMLRayData::XMLRayData(const Position& origin, const Position& direction)
    : m_origin(origin)
    , m_direction(direction) {}

std::unique_ptr<XMLRayData> XMLRayData::Read(CurveRecordReader& reader) {
    Position origin(0.0, 0.0, 0.0);
    Position direction(1.0, 0.0, 0.0);
    if (!reader.Triple(origin) || !reader.Triple(direction))
        return nullptr;
    return std::make_unique<XMLRayData>(origin, direction);
}

DataReturnCodeEnum XMLRayData::Origin(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_origin, x, y, z);
}

DataReturnCodeEnum XMLRayData::Direction(double& x, double& y, double& z) const {
    return CurveDataOutputs::Triple(m_direction, x, y, z);
}

} // namespace Orvik
