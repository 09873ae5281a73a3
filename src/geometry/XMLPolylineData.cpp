#include "geometry/XMLPolylineData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveRecordReader.h"

namespace Orvik {
namespace {

constexpr std::uint64_t kTripleBytes = 24;

bool ReadPoints(CurveRecordReader& reader, std::uint32_t count, std::vector<Position>& points) {
    points.resize(count);
    for (Position& point : points)
        if (!reader.Triple(point))
            return false;
    return true;
}

} // namespace

XMLPolylineData::XMLPolylineData(bool closed, bool periodic, std::vector<Position> points,
                                 std::vector<Position> extraPoints)
    : m_closed(closed)
    , m_periodic(periodic)
    , m_points(std::move(points))
    , m_extraPoints(std::move(extraPoints)) {
    if (m_closed && !m_points.empty())
        m_points.push_back(m_points.front());
}

std::unique_ptr<XMLPolylineData> XMLPolylineData::Read(CurveRecordReader& reader) {
    bool closed = false;
    bool periodic = false;
    std::uint32_t count = 0;
    std::vector<Position> points;
    std::uint64_t hasExtra = 0;
    if (!reader.BoolPair(closed, periodic) || !reader.Count(count, kTripleBytes) ||
        !ReadPoints(reader, count, points) || !reader.U64(hasExtra))
        return nullptr;
    std::vector<Position> extra;
    // The second list has the same count, so it must fit in what is left as well.
    if (hasExtra != 0 &&
        (!reader.FitsItems(count, kTripleBytes) || !ReadPoints(reader, count, extra)))
        return nullptr;
    return std::make_unique<XMLPolylineData>(closed, periodic, std::move(points), std::move(extra));
}

DataReturnCodeEnum XMLPolylineData::PointCount(std::uint32_t& count) const {
    count = static_cast<std::uint32_t>(m_points.size());
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLPolylineData::PointAt(std::uint32_t index, double& x, double& y,
                                            double& z) const {
    if (index >= m_points.size())
        return DataReturnCodeEnum::kInvalidIndex;
    return CurveDataOutputs::Triple(m_points[index], x, y, z);
}

DataReturnCodeEnum XMLPolylineData::IsClosed(bool& closed) const {
    return CurveDataOutputs::Value(m_closed, closed);
}

DataReturnCodeEnum XMLPolylineData::IsPeriodic(bool& periodic) const {
    return CurveDataOutputs::Value(m_periodic, periodic);
}

} // namespace Orvik
