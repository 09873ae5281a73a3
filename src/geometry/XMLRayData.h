#pragma once

#include "orvik/api/IRayData.h"

#include <memory>

namespace Orvik {

class CurveRecordReader;

class XMLRayData : public IRayData {
public:
    XMLRayData(const Position& origin, const Position& direction);
    // Null when the record cannot be read whole.
    static std::unique_ptr<XMLRayData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum Origin(double& x, double& y, double& z) const override;
    DataReturnCodeEnum Direction(double& x, double& y, double& z) const override;

private:
    Position m_origin;
    Position m_direction;
};

} // namespace Orvik
