#pragma once

#include "orvik/api/ILightShapeData.h"

#include <optional>

namespace Orvik {

// A light from far away, optionally spread over an angle.
class XMLDirectionalLightData : public IDirectionalLightData {
public:
    void SetAngle(double angle) { m_angle = angle; }
    IsValueSpecifiedEnum Angle(double& angle) const override {
        if (!m_angle)
            return IsValueSpecifiedEnum::kUnspecified;
        angle = *m_angle;
        return IsValueSpecifiedEnum::kSpecified;
    }

private:
    std::optional<double> m_angle;
};

} // namespace Orvik
