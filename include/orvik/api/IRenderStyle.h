#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

// How a surface, a point or a curve is drawn. Every value is optional; textures are named by
// the ids of texture objects.
class IRenderStyle : public IObject {
public:
    enum class PointStyleMarkerTypeEnum {
        kPointStyleMarkerType_Dot = 0,
        kPointStyleMarkerType_X,
        kPointStyleMarkerType_Plus,
        kPointStyleMarkerType_Asterisk,
        kPointStyleMarkerType_Square,
        kPointStyleMarkerType_Triangle,
        kPointStyleMarkerType_Circle,
        kPointStyleMarkerType_Diamond,
        kPointStyleMarkerType_FilledSquare,
        kPointStyleMarkerType_FilledTriangle,
        kPointStyleMarkerType_FilledCircle,
        kPointStyleMarkerType_FilledDiamond,
    };
    enum class CurveStyleFontTypeEnum {
        kCurveStyleFontType_Continuous = 0,
        kCurveStyleFontType_ISO_Dash,
        kCurveStyleFontType_ISO_DashSpace,
        kCurveStyleFontType_ISO_LongDashDot,
        kCurveStyleFontType_ISO_LongDashDoubleDot,
        kCurveStyleFontType_ISO_LongDashTripleDot,
        kCurveStyleFontType_ISO_Dot,
        kCurveStyleFontType_ISO_LongDashShortDash,
        kCurveStyleFontType_ISO_LongDashDoubleShortDash,
        kCurveStyleFontType_ISO_DashDot,
        kCurveStyleFontType_ISO_DoubleDashDot,
        kCurveStyleFontType_ISO_DashDoubleDot,
        kCurveStyleFontType_ISO_DoubleDashDoubleDot,
        kCurveStyleFontType_ISO_DashTripleDot,
        kCurveStyleFontType_ISO_DoubleDashTripleDot,
    };
    enum class CurveStyleFillTypeEnum { kCurveStyleFillType_Solid = 0 };
    // Passed on as the document writes it.
    using ShadingModelType = int;

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum DiffuseColor(Color& out) const = 0;
    virtual IsValueSpecifiedEnum DiffuseFactor(double& out) const = 0;
    virtual IsValueSpecifiedEnum DiffuseTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum AmbientColor(Color& out) const = 0;
    virtual IsValueSpecifiedEnum AmbientFactor(double& out) const = 0;
    virtual IsValueSpecifiedEnum AmbientTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum EmissionColor(Color& out) const = 0;
    virtual IsValueSpecifiedEnum EmissionFactor(double& out) const = 0;
    virtual IsValueSpecifiedEnum EmissionTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum SpecularColor(Color& out) const = 0;
    virtual IsValueSpecifiedEnum SpecularFactor(double& out) const = 0;
    virtual IsValueSpecifiedEnum SpecularTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum BumpMap(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum CutoutTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum TransparencyTexture(UTF8String& textureId) const = 0;
    virtual IsValueSpecifiedEnum Transparency(Color& out) const = 0;
    virtual IsValueSpecifiedEnum Transparency(double& out) const = 0;
    virtual IsValueSpecifiedEnum Shininess(double& out) const = 0;
    virtual IsValueSpecifiedEnum Reflection(double& out) const = 0;
    virtual IsValueSpecifiedEnum Eccentricity(double& out) const = 0;
    virtual IsValueSpecifiedEnum Rolloff(double& out) const = 0;
    virtual IsValueSpecifiedEnum ShaderType(ShadingModelType& out) const = 0;
    virtual IsValueSpecifiedEnum PointStyleMarker(PointStyleMarkerTypeEnum& out) const = 0;
    virtual IsValueSpecifiedEnum PointStyleMarkerSize(double& out) const = 0;
    virtual IsValueSpecifiedEnum CurveStyleFont(CurveStyleFontTypeEnum& out) const = 0;
    virtual IsValueSpecifiedEnum CurveStyleWidth(double& out) const = 0;
    virtual IsValueSpecifiedEnum CurveStyleFillArea(CurveStyleFillTypeEnum& out) const = 0;
};

} // namespace Orvik
