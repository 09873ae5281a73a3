#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/ILightShapeData.h"
#include "orvik/api/IObject.h"
#include "orvik/api/ITransformable.h"
#include "orvik/api/IUnit.h"
#include "orvik/api/IVisible.h"

namespace Orvik {

// A light source of the scene; its shape data says what kind of emitter it is.
class ILight : public IObject, public IVisible, public IUnit, public ITransformable {
public:
    enum IntensityUnitEnum {
        kIntensityUnit_Unitless = 0,
        kIntensityUnit_Candela = 1,
        kIntensityUnit_Lumen = 2,
        kIntensityUnit_Lux = 3,
        kIntensityUnit_Watt = 4,
    };

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual void Intensity(double& intensity, IntensityUnitEnum& unit) const = 0;
    // Always specified; null when the light has no shape data.
    virtual IsValueSpecifiedEnum LightShapeData(ILightShapeData*& data) const = 0;
    virtual Color LightColor() const = 0;
    virtual bool ColorTemperatureEnabled() const = 0;
    virtual IsValueSpecifiedEnum ColorTemperature(double& kelvin) const = 0;
    virtual IsValueSpecifiedEnum ShadowEnabled(bool& enabled) const = 0;
    virtual IsValueSpecifiedEnum ShadowColor(Color& color) const = 0;

    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
};

} // namespace Orvik
