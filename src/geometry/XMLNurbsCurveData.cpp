#include "geometry/XMLNurbsCurveData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveRecordReader.h"

#include <limits>

namespace Orvik {
namespace {

constexpr std::uint64_t kDoubleBytes = 8;
constexpr std::uint64_t kTripleBytes = 24;

bool ReadDoubles(CurveRecordReader& reader, std::size_t count, std::vector<double>& values) {
    values.resize(count);
    for (double& value : values)
        if (!reader.Double(value))
            return false;
    return true;
}

bool ReadDegree(CurveRecordReader& reader, std::uint32_t& degree) {
    std::uint64_t value = 0;
    if (!reader.U64(value))
        return false;
    if (value > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return reader.Fail();
    degree = static_cast<std::uint32_t>(value);
    return true;
}

} // namespace

XMLNurbsCurveData::XMLNurbsCurveData(Values values)
    : m_values(std::move(values)) {
    // A weight per control point, whatever the caller gave.
    if (m_values.rational)
        m_values.weights.resize(m_values.controlPoints.size(), 1.0);
    else
        m_values.weights.clear();
}

std::unique_ptr<XMLNurbsCurveData> XMLNurbsCurveData::Read(CurveRecordReader& reader) {
    Values values;
    double t0 = 0.0;
    double t1 = 0.0;
    if (!reader.BoolPair(values.closed, values.periodic) || !ReadLists(reader, values) ||
        !ReadDegree(reader, values.degree) || !reader.Double(t0) || !reader.Double(t1))
        return nullptr;
    values.range = Interval(t0, t1);
    return std::make_unique<XMLNurbsCurveData>(std::move(values));
}

bool XMLNurbsCurveData::ReadLists(CurveRecordReader& reader, Values& values) {
    std::uint32_t knotCount = 0;
    if (!reader.Count(knotCount, kDoubleBytes) || !ReadDoubles(reader, knotCount, values.knots))
        return false;
    std::uint32_t pointCount = 0;
    if (!reader.Count(pointCount, kTripleBytes))
        return false;
    values.controlPoints.resize(pointCount);
    for (Position& point : values.controlPoints)
        if (!reader.Triple(point))
            return false;
    std::uint64_t rational = 0;
    if (!reader.U64(rational))
        return false;
    values.rational = rational != 0;
    return !values.rational || (reader.FitsItems(pointCount, kDoubleBytes) &&
                                ReadDoubles(reader, pointCount, values.weights));
}

DataReturnCodeEnum XMLNurbsCurveData::Degree(std::uint32_t& degree) const {
    return CurveDataOutputs::Value(m_values.degree, degree);
}

DataReturnCodeEnum XMLNurbsCurveData::KnotCount(std::uint32_t& count) const {
    count = static_cast<std::uint32_t>(m_values.knots.size());
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLNurbsCurveData::ControlPointCount(std::uint32_t& count) const {
    count = static_cast<std::uint32_t>(m_values.controlPoints.size());
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLNurbsCurveData::IsRational(bool& rational) const {
    return CurveDataOutputs::Value(m_values.rational, rational);
}

DataReturnCodeEnum XMLNurbsCurveData::KnotAt(std::uint32_t index, double& knot) const {
    if (index >= m_values.knots.size())
        return DataReturnCodeEnum::kInvalidIndex;
    return CurveDataOutputs::Value(m_values.knots[index], knot);
}

DataReturnCodeEnum XMLNurbsCurveData::ControlPointAt(std::uint32_t index, double& x, double& y,
                                                     double& z, double& weight) const {
    if (index >= m_values.controlPoints.size())
        return DataReturnCodeEnum::kInvalidIndex;
    weight = m_values.rational ? m_values.weights[index] : 1.0;
    return CurveDataOutputs::Triple(m_values.controlPoints[index], x, y, z);
}

DataReturnCodeEnum XMLNurbsCurveData::Reserved(std::uint32_t& value) const {
    value = 0;
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLNurbsCurveData::ParameterRange(Interval& range) const {
    return CurveDataOutputs::Value(m_values.range, range);
}

DataReturnCodeEnum XMLNurbsCurveData::IsClosed(bool& closed) const {
    return CurveDataOutputs::Value(m_values.closed, closed);
}

DataReturnCodeEnum XMLNurbsCurveData::IsPeriodic(bool& periodic) const {
    return CurveDataOutputs::Value(m_values.periodic, periodic);
}

} // namespace Orvik
