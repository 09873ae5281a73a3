#pragma once

#include "orvik/api/ILightShapeData.h"

namespace Orvik {

// A spherical emitter, or a point light.
class XMLSphereLightData : public ISphereLightData {
public:
    void SetRadius(double radius) { m_radius = radius; }
    void SetIsPointLight(bool isPointLight) { m_isPointLight = isPointLight; }
    double Radius() const override { return m_radius; }
    bool IsPointLight() const override { return m_isPointLight; }

private:
    double m_radius = 0.0;
    bool m_isPointLight = false;
};

} // namespace Orvik
