#pragma once

#include "orvik/api/IPolyLineData.h"

#include <memory>
#include <vector>

namespace Orvik {

class CurveRecordReader;

class XMLPolylineData : public IPolyLineData {
public:
    // A closed polyline gets its first point appended once more.
    XMLPolylineData(bool closed, bool periodic, std::vector<Position> points,
                    std::vector<Position> extraPoints);
    // Null when the record cannot be read whole.
    static std::unique_ptr<XMLPolylineData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum PointCount(std::uint32_t& count) const override;
    DataReturnCodeEnum PointAt(std::uint32_t index, double& x, double& y, double& z) const override;
    DataReturnCodeEnum IsClosed(bool& closed) const override;
    DataReturnCodeEnum IsPeriodic(bool& periodic) const override;
    // The record's optional second list of points; no framework operation answers it.
    const std::vector<Position>& ExtraPoints() const { return m_extraPoints; }

private:
    bool m_closed;
    bool m_periodic;
    std::vector<Position> m_points;
    std::vector<Position> m_extraPoints;
};

} // namespace Orvik
