#pragma once

#include "orvik/api/ILight.h"
#include "orvik/api/IdSet.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A member of a "LightSet": a light source with the shape data of its kind of emitter.
class XMLLight : public XMLEntity<ILight> {
public:
    XMLLight(const UTF8String& id, const UTF16String& label);

    // False only without an element.
    bool Read(const xercesc::DOMElement* element, ReadContext& context);

    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override;

    bool IsVisible() const override { return m_visible; }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;
    const Matrix3d& Transform() const override { return m_transform; }

    void Intensity(double& intensity, IntensityUnitEnum& unit) const override;
    IsValueSpecifiedEnum LightShapeData(ILightShapeData*& data) const override;
    Color LightColor() const override { return m_color; }
    bool ColorTemperatureEnabled() const override { return m_colorTemperatureEnabled; }
    IsValueSpecifiedEnum ColorTemperature(double& kelvin) const override;
    IsValueSpecifiedEnum ShadowEnabled(bool& enabled) const override;
    IsValueSpecifiedEnum ShadowColor(Color& color) const override;

private:
    void ReadAttributes(const xercesc::DOMElement& element, ReadContext& context);
    void ReadChild(const xercesc::DOMElement& child, ReadContext& context);
    void ReadUnits(const xercesc::DOMElement& child, ReadContext& context);
    void ReadShapeData(const xercesc::DOMElement& child, ReadContext& context);

    Matrix3d m_transform;
    bool m_visible = true;
    // Lights whose element gives no unit answer unit 11, as the framework expects.
    UnitTypeEnum m_lengthUnit = static_cast<UnitTypeEnum>(11);
    UnitTypeEnum m_displayLengthUnit = static_cast<UnitTypeEnum>(11);
    std::unique_ptr<ILightShapeData> m_shapeData;
    double m_intensity = 0.0;
    Color m_color;
    bool m_colorTemperatureEnabled = false;
    std::optional<double> m_colorTemperature;
    std::optional<bool> m_shadowEnabled;
    std::optional<Color> m_shadowColor;
    IntensityUnitEnum m_intensityUnit = kIntensityUnit_Unitless;
    IdSet m_animations;
    UTF8String m_lightType;
};

} // namespace Orvik
