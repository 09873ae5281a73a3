#include "presentation/XMLLight.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/StringUtil.h"
#include "presentation/HandedOverPath.h"
#include "presentation/SceneAttributeReader.h"
#include "presentation/XMLDirectionalLightData.h"
#include "presentation/XMLDiskLightData.h"
#include "presentation/XMLDomeLightData.h"
#include "presentation/XMLRectLightData.h"
#include "presentation/XMLSphereLightData.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

// A boolean attribute; text that is no boolean is reported and leaves the target.
bool ReadFlag(const DOMElement& element, const XMLCh* name, ReadContext& context, bool& flag) {
    if (!element.hasAttribute(name))
        return false;
    if (XMLUtils::GetNodeAttribute(&element, name, flag))
        return true;
    context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                   UTF8String("\"" + UTF16String(name).ToUTF8() + "\" is no boolean; ignored"));
    return false;
}

// Each fraction 0.0 when absent.
Color ReadColor(const DOMElement& element, ReadContext& context) {
    double red = 0.0, green = 0.0, blue = 0.0, alpha = 0.0;
    SceneAttributeReader::Number(element, u"FractionRed", context, red);
    SceneAttributeReader::Number(element, u"FractionGreen", context, green);
    SceneAttributeReader::Number(element, u"FractionBlue", context, blue);
    SceneAttributeReader::Number(element, u"FractionAlpha", context, alpha);
    Color color;
    color.SetFractionalRGBA(red, green, blue, alpha);
    return color;
}

// A relative texture path lies in the side-file folder.
std::optional<UTF16String> ReadTextureFile(const DOMElement& element, ReadContext& context) {
    UTF16String path;
    if (!XMLUtils::GetNodeAttribute(&element, u"TextureFile", path))
        return std::nullopt;
    if (!StringUtil::IsAbsolutePath(path))
        path = IOUtil::AppendFilePath(context.SideFileDirectory(), path);
    HandedOverPath::ReportIfOutside(context, element, path, "light texture file");
    return path;
}

Position ReadCorner(const DOMElement& element) {
    double x = 0.0, y = 0.0, z = 0.0;
    ElementReaders::ReadXYZLoose(&element, x, y, z);
    return Position(x, y, z);
}

std::unique_ptr<ILightShapeData> ReadDisk(const DOMElement& element, ReadContext& context) {
    auto data = std::make_unique<XMLDiskLightData>();
    if (const std::optional<double> radius =
            SceneAttributeReader::Number(element, u"Radius", context))
        data->SetRadius(*radius);
    return data;
}

std::unique_ptr<ILightShapeData> ReadDirectional(const DOMElement& element, ReadContext& context) {
    auto data = std::make_unique<XMLDirectionalLightData>();
    if (const std::optional<double> angle =
            SceneAttributeReader::Number(element, u"Angle", context))
        data->SetAngle(*angle);
    return data;
}

std::unique_ptr<ILightShapeData> ReadDome(const DOMElement& element, ReadContext& context) {
    auto data = std::make_unique<XMLDomeLightData>();
    if (const std::optional<double> radius =
            SceneAttributeReader::Number(element, u"GuideRadius", context))
        data->SetGuideRadius(*radius);
    if (const std::optional<UTF16String> path = ReadTextureFile(element, context))
        data->SetTextureFile(*path);
    UTF8String format;
    if (XMLUtils::GetNodeAttribute(&element, u"TextureFormat", format)) {
        IDomeLightData::DomeTextureFormatEnum value = IDomeLightData::kDomeTextureFormat_Unknown;
        if (XMLUtils::TextureformatTypeFromString(format, value))
            data->SetTextureFormat(value);
        else
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"" + format.Value() + "\" names no texture format"));
    }
    return data;
}

std::unique_ptr<ILightShapeData> ReadSphere(const DOMElement& element, ReadContext& context) {
    auto data = std::make_unique<XMLSphereLightData>();
    bool isPointLight = false;
    if (ReadFlag(element, u"IsPointLight", context, isPointLight))
        data->SetIsPointLight(isPointLight);
    if (const std::optional<double> radius =
            SceneAttributeReader::Number(element, u"Radius", context))
        data->SetRadius(*radius);
    return data;
}

std::unique_ptr<ILightShapeData> ReadRect(const DOMElement& element, ReadContext& context) {
    auto data = std::make_unique<XMLRectLightData>();
    if (const std::optional<UTF16String> path = ReadTextureFile(element, context))
        data->SetTextureFile(*path);
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& corner) {
        if (ElementWalk::IsNamed(corner, u"TopLeft"))
            data->SetCorner(XMLRectLightData::kTopLeft, ReadCorner(corner));
        else if (ElementWalk::IsNamed(corner, u"BottomLeft"))
            data->SetCorner(XMLRectLightData::kBottomLeft, ReadCorner(corner));
        else if (ElementWalk::IsNamed(corner, u"TopRight"))
            data->SetCorner(XMLRectLightData::kTopRight, ReadCorner(corner));
        else if (ElementWalk::IsNamed(corner, u"BottomRight"))
            data->SetCorner(XMLRectLightData::kBottomRight, ReadCorner(corner));
    });
    return data;
}

using ShapeReader = std::unique_ptr<ILightShapeData> (*)(const DOMElement&, ReadContext&);

struct ShapeKind {
    const char* lightType;
    ShapeReader read;
};

constexpr ShapeKind kShapeKinds[] = {{"Disk", ReadDisk},
                                     {"Directional", ReadDirectional},
                                     {"Dome", ReadDome},
                                     {"Sphere", ReadSphere},
                                     {"Rect", ReadRect}};

} // namespace

XMLLight::XMLLight(const UTF8String& id, const UTF16String& label)
    : XMLEntity(id, label) {}

bool XMLLight::Read(const DOMElement* element, ReadContext& context) {
    if (element == nullptr)
        return false;
    ReadAttributes(*element, context);
    ElementWalk::ForEachChildElement(*element,
                                     [&](const DOMElement& child) { ReadChild(child, context); });
    return true;
}

void XMLLight::ReadAttributes(const DOMElement& element, ReadContext& context) {
    m_colorTemperature = SceneAttributeReader::Number(element, u"ColorTemperature", context);
    ReadFlag(element, u"ColorTemperatureEnabled", context, m_colorTemperatureEnabled);
    SceneAttributeReader::Number(element, u"Intensity", context, m_intensity);
    UTF8String intensityUnit;
    if (XMLUtils::GetNodeAttribute(&element, u"IntensityUnit", intensityUnit) &&
        !XMLUtils::IntensityUnitTypeFromString(intensityUnit, m_intensityUnit))
        context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                       UTF8String("\"" + intensityUnit.Value() + "\" names no intensity unit"));
    XMLUtils::GetNodeAttribute(&element, u"LightType", m_lightType);
    bool shadowEnabled = false;
    if (ReadFlag(element, u"ShadowEnabled", context, shadowEnabled))
        m_shadowEnabled = shadowEnabled;
    ReadFlag(element, u"Visibility", context, m_visible);
}

void XMLLight::ReadChild(const DOMElement& child, ReadContext& context) {
    if (ElementWalk::IsNamed(child, u"Unit")) {
        ReadUnits(child, context);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        SceneAttributeReader::Transform(child, context, m_transform);
    } else if (ElementWalk::IsNamed(child, u"Animations")) {
        IdSet animations;
        ElementReaders::ReadIdRefs(&context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   animations);
        m_animations = std::move(animations);
    } else if (ElementWalk::IsNamed(child, u"LightColor")) {
        m_color = ReadColor(child, context);
    } else if (ElementWalk::IsNamed(child, u"ShadowColor")) {
        m_shadowColor = ReadColor(child, context);
    } else if (ElementWalk::IsNamed(child, u"LightShapeData")) {
        ReadShapeData(child, context);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(context, child, *this);
    }
}

// Both units are needed: a "Unit" lacking either is skipped whole.
void XMLLight::ReadUnits(const DOMElement& child, ReadContext& context) {
    if (!child.hasAttribute(u"LengthUnit") || !child.hasAttribute(u"DisplayLengthUnit")) {
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &child,
                       UTF8String("a light's \"Unit\" without both \"LengthUnit\" and "
                                  "\"DisplayLengthUnit\" is skipped"));
        return;
    }
    SceneAttributeReader::Unit(child, u"LengthUnit", context, m_lengthUnit);
    SceneAttributeReader::Unit(child, u"DisplayLengthUnit", context, m_displayLengthUnit);
}

void XMLLight::ReadShapeData(const DOMElement& child, ReadContext& context) {
    for (const ShapeKind& kind : kShapeKinds) {
        if (m_lightType.Value() == kind.lightType) {
            m_shapeData = kind.read(child, context);
            return;
        }
    }
    context.Report(DiagnosticCode::kUnknownChild, DiagnosticSeverity::kInfo, &child,
                   UTF8String("the light's \"LightType\" \"" + m_lightType.Value() +
                              "\" names no kind of emitter; the shape data is passed over"));
}

IsValueSpecifiedEnum XMLLight::KeyframeAnimationChannels(IdSet& out) const {
    return SceneAttributeReader::AnswerUnlessEmpty(m_animations, out);
}

IsValueSpecifiedEnum XMLLight::LengthUnit(UnitTypeEnum& unit) const {
    unit = m_lengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLLight::DisplayLengthUnit(UnitTypeEnum& unit) const {
    unit = m_displayLengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

void XMLLight::Intensity(double& intensity, IntensityUnitEnum& unit) const {
    intensity = m_intensity;
    unit = m_intensityUnit;
}

IsValueSpecifiedEnum XMLLight::LightShapeData(ILightShapeData*& data) const {
    data = m_shapeData.get();
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLLight::ColorTemperature(double& kelvin) const {
    return SceneAttributeReader::Answer(m_colorTemperature, kelvin);
}

IsValueSpecifiedEnum XMLLight::ShadowEnabled(bool& enabled) const {
    return SceneAttributeReader::Answer(m_shadowEnabled, enabled);
}

IsValueSpecifiedEnum XMLLight::ShadowColor(Color& color) const {
    return SceneAttributeReader::Answer(m_shadowColor, color);
}

} // namespace Orvik
