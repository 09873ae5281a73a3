#pragma once

#include "orvik/api/IRenderStyle.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLEntity.h"

#include <optional>
#include <utility>

namespace Orvik {

// The values every render style answers, each kept with whether it was set. The three style
// classes share them; what a kind does not read stays unset and answers not specified.
template <typename Interface>
class XMLRenderStyleBase : public XMLEntity<Interface> {
public:
    using Marker = IRenderStyle::PointStyleMarkerTypeEnum;
    using Font = IRenderStyle::CurveStyleFontTypeEnum;
    using Fill = IRenderStyle::CurveStyleFillTypeEnum;

    XMLRenderStyleBase(UTF8String id, UTF16String label)
        : XMLEntity<Interface>(std::move(id), std::move(label)) {}

    void SetDiffuseColor(const Color& value) { m_diffuseColor = value; }
    void SetDiffuseFactor(double value) { m_diffuseFactor = value; }
    void SetDiffuseTexture(const UTF8String& id) { m_diffuseTexture = id; }
    void SetAmbientColor(const Color& value) { m_ambientColor = value; }
    void SetAmbientFactor(double value) { m_ambientFactor = value; }
    void SetAmbientTexture(const UTF8String& id) { m_ambientTexture = id; }
    void SetEmissionColor(const Color& value) { m_emissionColor = value; }
    void SetEmissionFactor(double value) { m_emissionFactor = value; }
    void SetEmissionTexture(const UTF8String& id) { m_emissionTexture = id; }
    void SetSpecularColor(const Color& value) { m_specularColor = value; }
    void SetSpecularFactor(double value) { m_specularFactor = value; }
    void SetSpecularTexture(const UTF8String& id) { m_specularTexture = id; }
    void SetBumpMap(const UTF8String& id) { m_bumpMap = id; }
    void SetCutoutTexture(const UTF8String& id) { m_cutoutTexture = id; }
    void SetTransparencyTexture(const UTF8String& id) { m_transparencyTexture = id; }
    void SetTransparency(const Color& value) { m_transparencyColor = value; }
    void SetTransparency(double value) { m_transparency = value; }
    void SetShininess(double value) { m_shininess = value; }
    void SetReflection(double value) { m_reflection = value; }
    void SetEccentricity(double value) { m_eccentricity = value; }
    void SetRolloff(double value) { m_rolloff = value; }
    void SetShaderType(IRenderStyle::ShadingModelType value) { m_shaderType = value; }
    void SetPointStyleMarker(Marker value) { m_marker = value; }
    void SetPointStyleMarkerSize(double value) { m_markerSize = value; }
    void SetCurveStyleFont(Font value) { m_font = value; }
    void SetCurveStyleWidth(double value) { m_curveWidth = value; }
    void SetCurveStyleFillArea(Fill value) { m_fill = value; }

    IsValueSpecifiedEnum DiffuseColor(Color& out) const override {
        return AnswerOptional(m_diffuseColor, out);
    }
    IsValueSpecifiedEnum DiffuseFactor(double& out) const override {
        return AnswerOptional(m_diffuseFactor, out);
    }
    IsValueSpecifiedEnum DiffuseTexture(UTF8String& out) const override {
        return AnswerOptional(m_diffuseTexture, out);
    }
    IsValueSpecifiedEnum AmbientColor(Color& out) const override {
        return AnswerOptional(m_ambientColor, out);
    }
    IsValueSpecifiedEnum AmbientFactor(double& out) const override {
        return AnswerOptional(m_ambientFactor, out);
    }
    IsValueSpecifiedEnum AmbientTexture(UTF8String& out) const override {
        return AnswerOptional(m_ambientTexture, out);
    }
    IsValueSpecifiedEnum EmissionColor(Color& out) const override {
        return AnswerOptional(m_emissionColor, out);
    }
    IsValueSpecifiedEnum EmissionFactor(double& out) const override {
        return AnswerOptional(m_emissionFactor, out);
    }
    IsValueSpecifiedEnum EmissionTexture(UTF8String& out) const override {
        return AnswerOptional(m_emissionTexture, out);
    }
    IsValueSpecifiedEnum SpecularColor(Color& out) const override {
        return AnswerOptional(m_specularColor, out);
    }
    IsValueSpecifiedEnum SpecularFactor(double& out) const override {
        return AnswerOptional(m_specularFactor, out);
    }
    IsValueSpecifiedEnum SpecularTexture(UTF8String& out) const override {
        return AnswerOptional(m_specularTexture, out);
    }
    IsValueSpecifiedEnum BumpMap(UTF8String& out) const override {
        return AnswerOptional(m_bumpMap, out);
    }
    IsValueSpecifiedEnum CutoutTexture(UTF8String& out) const override {
        return AnswerOptional(m_cutoutTexture, out);
    }
    IsValueSpecifiedEnum TransparencyTexture(UTF8String& out) const override {
        return AnswerOptional(m_transparencyTexture, out);
    }
    IsValueSpecifiedEnum Transparency(Color& out) const override {
        return AnswerOptional(m_transparencyColor, out);
    }
    IsValueSpecifiedEnum Transparency(double& out) const override {
        return AnswerOptional(m_transparency, out);
    }
    IsValueSpecifiedEnum Shininess(double& out) const override {
        return AnswerOptional(m_shininess, out);
    }
    IsValueSpecifiedEnum Reflection(double& out) const override {
        return AnswerOptional(m_reflection, out);
    }
    IsValueSpecifiedEnum Eccentricity(double& out) const override {
        return AnswerOptional(m_eccentricity, out);
    }
    IsValueSpecifiedEnum Rolloff(double& out) const override {
        return AnswerOptional(m_rolloff, out);
    }
    IsValueSpecifiedEnum ShaderType(IRenderStyle::ShadingModelType& out) const override {
        return AnswerOptional(m_shaderType, out);
    }
    IsValueSpecifiedEnum PointStyleMarker(Marker& out) const override {
        return AnswerOptional(m_marker, out);
    }
    IsValueSpecifiedEnum PointStyleMarkerSize(double& out) const override {
        return AnswerOptional(m_markerSize, out);
    }
    IsValueSpecifiedEnum CurveStyleFont(Font& out) const override {
        return AnswerOptional(m_font, out);
    }
    IsValueSpecifiedEnum CurveStyleWidth(double& out) const override {
        return AnswerOptional(m_curveWidth, out);
    }
    IsValueSpecifiedEnum CurveStyleFillArea(Fill& out) const override {
        return AnswerOptional(m_fill, out);
    }

private:
    std::optional<Color> m_diffuseColor, m_ambientColor, m_emissionColor, m_specularColor,
        m_transparencyColor;
    std::optional<double> m_diffuseFactor, m_ambientFactor, m_emissionFactor, m_specularFactor;
    std::optional<UTF8String> m_diffuseTexture, m_ambientTexture, m_emissionTexture,
        m_specularTexture, m_bumpMap, m_cutoutTexture, m_transparencyTexture;
    std::optional<double> m_transparency, m_shininess, m_reflection, m_eccentricity, m_rolloff;
    std::optional<IRenderStyle::ShadingModelType> m_shaderType;
    std::optional<Marker> m_marker;
    std::optional<double> m_markerSize;
    std::optional<Font> m_font;
    std::optional<double> m_curveWidth;
    std::optional<Fill> m_fill;
};

} // namespace Orvik
