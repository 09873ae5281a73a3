#pragma once

#include "orvik/api/ILightShapeData.h"

namespace Orvik {

// A disk emitter.
class XMLDiskLightData : public IDiskLightData {
public:
    void SetRadius(double radius) { m_radius = radius; }
    double Radius() const override { return m_radius; }

private:
    double m_radius = 0.0;
};

} // namespace Orvik
