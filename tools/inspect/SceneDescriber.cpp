#include "SceneDescriber.h"

#include "xml_util/XMLUtils.h"

namespace Orvik::Inspect {
namespace {

using Value = IsValueSpecifiedEnum;

Json PlaneValue(const Plane& plane) {
    return Json{
        {"origin", ValueFormatter::Xyz(plane.Origin())},
        {"normal",
         ValueFormatter::Xyz(Vector(plane.Normal().X(), plane.Normal().Y(), plane.Normal().Z()))},
        {"xDirection", ValueFormatter::Xyz(Vector(plane.XDirection().X(), plane.XDirection().Y(),
                                                  plane.XDirection().Z()))}};
}

Json DirectionValue(const UnitVector& direction) {
    return ValueFormatter::Xyz(Vector(direction.X(), direction.Y(), direction.Z()));
}

// A double answered only when specified; left out otherwise.
template <typename Object, typename Owner>
void SetOptionalNumber(const Object& object, Value (Owner::*query)(double&) const,
                       const char* name, ObjectDescription& out) {
    double value = 0.0;
    if ((object.*query)(value) == Value::kSpecified)
        out.Set(name, ValueFormatter::Number(value));
}

void DescribePhysicalCamera(const ICamera& camera, ObjectDescription& out) {
    SetOptionalNumber(camera, &ICamera::VerticalAperture, "VerticalAperture", out);
    SetOptionalNumber(camera, &ICamera::VerticalApertureOffset, "VerticalApertureOffset", out);
    SetOptionalNumber(camera, &ICamera::HorizontalApertureOffset, "HorizontalApertureOffset", out);
    SetOptionalNumber(camera, &ICamera::FStop, "FStop", out);
    ICamera::StereoRoleEnum role = ICamera::kStereoRole_Mono;
    if (camera.StereoRole(role) == Value::kSpecified)
        out.Set("StereoRole", XMLUtils::EnumName(role));
    SetOptionalNumber(camera, &ICamera::Exposure, "Exposure", out);
    SetOptionalNumber(camera, &ICamera::ShutterOpenTime, "ShutterOpenTime", out);
    SetOptionalNumber(camera, &ICamera::ShutterCloseTime, "ShutterCloseTime", out);
}

class ShapeDataDescriber : public LightShapeDataVisitor {
public:
    void Visit(IDiskLightData& data) override {
        json = {{"interface", "IDiskLightData"}, {"Radius", ValueFormatter::Number(data.Radius())}};
    }
    void Visit(IDirectionalLightData& data) override {
        json = {{"interface", "IDirectionalLightData"}};
        double angle = 0.0;
        if (data.Angle(angle) == Value::kSpecified)
            json["Angle"] = ValueFormatter::Number(angle);
    }
    void Visit(IDomeLightData& data) override {
        json = {{"interface", "IDomeLightData"}};
        UTF16String path;
        if (data.TextureFile(path) == Value::kSpecified)
            json["TextureFile"] = ValueFormatter::Text(path);
        json["TextureFormat"] = XMLUtils::EnumName(data.TextureFormat());
        double radius = 0.0;
        data.GuideRadius(radius);
        json["GuideRadius"] = ValueFormatter::Number(radius);
    }
    void Visit(ISphereLightData& data) override {
        json = {{"interface", "ISphereLightData"},
                {"Radius", ValueFormatter::Number(data.Radius())},
                {"IsPointLight", data.IsPointLight()}};
    }
    void Visit(IRectLightData& data) override {
        Position corners[4];
        data.Corners(corners[0], corners[1], corners[2], corners[3]);
        json = {{"interface", "IRectLightData"},
                {"Corners",
                 {{"topLeft", ValueFormatter::Xyz(corners[0])},
                  {"bottomLeft", ValueFormatter::Xyz(corners[1])},
                  {"topRight", ValueFormatter::Xyz(corners[2])},
                  {"bottomRight", ValueFormatter::Xyz(corners[3])}}}};
        UTF16String path;
        if (data.TextureFile(path) == Value::kSpecified)
            json["TextureFile"] = ValueFormatter::Text(path);
    }

    Json json;
};

class KeyframeDataDescriber : public KeyframeTypeDataVisitor {
public:
    void Visit(IKeyframeTransformData& data) override {
        json = {{"interface", "IKeyframeTransformData"}, {"FrameCount", data.FrameCount()}};
        json["TransformAt"] = ValueFormatter::Indexed(data.FrameCount(), [&](std::uint64_t i) {
            double frame = 0.0;
            Matrix3d transform;
            data.TransformAt(static_cast<unsigned long>(i), frame, transform);
            return Json{{"frame", ValueFormatter::Number(frame)},
                        {"transform", ValueFormatter::Matrix(transform)}};
        });
        UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
        if (data.LengthUnit(unit) == Value::kSpecified)
            json["LengthUnit"] = ValueFormatter::Unit(unit);
    }

    Json json;
};

Json MemberValue(const IView& view, std::size_t index) {
    return Json{{"MemberOccurrencePath", ValueFormatter::Ids(view.MemberOccurrencePath(index))},
                {"MemberVisibility", view.MemberVisibility(index)},
                {"MemberTransform", ValueFormatter::Matrix(view.MemberTransform(index))},
                {"MemberStyles", ValueFormatter::Ids(view.MemberStyles(index))}};
}

} // namespace

void SceneDescriber::DescribeCamera(const ICamera& camera, const char* interfaceName,
                                    ObjectDescription& out) {
    out.Begin(camera, interfaceName);
    out.Set("IsVisible", camera.IsVisible());
    out.Set("Transform", ValueFormatter::Matrix(camera.Transform()));
    out.Set("Type", camera.Type() == ICamera::kCameraType_Perspective ? "kCameraType_Perspective"
                                                                      : "kCameraType_Parallel");
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    if (camera.Unit(unit) == Value::kSpecified)
        out.Set("Unit", ValueFormatter::Unit(unit));
    out.Set("Position", ValueFormatter::Xyz(camera.Position()));
    out.Set("Direction", DirectionValue(camera.Direction()));
    out.Set("UpDirection", DirectionValue(camera.UpDirection()));
    SetOptionalNumber(camera, &ICamera::DistanceToViewPlane, "DistanceToViewPlane", out);
    SetOptionalNumber(camera, &ICamera::AspectRatio, "AspectRatio", out);
    SetOptionalNumber(camera, &ICamera::ViewAngle, "ViewAngle", out);
    SetOptionalNumber(camera, &ICamera::ViewWindowHeightForParallelCamera,
                      "ViewWindowHeightForParallelCamera", out);
    bool depth = false;
    if (camera.IsDepthFieldDefined(depth) == Value::kSpecified)
        out.Set("IsDepthFieldDefined", depth);
    Plane plane;
    if (camera.NearPlane(plane) == Value::kSpecified)
        out.Set("NearPlane", PlaneValue(plane));
    if (camera.FarPlane(plane) == Value::kSpecified)
        out.Set("FarPlane", PlaneValue(plane));
    DescribePhysicalCamera(camera, out);
}

void SceneDescriber::Describe(const ICamera& camera, ObjectDescription& out) {
    DescribeCamera(camera, "ICamera", out);
}

void SceneDescriber::Describe(const ISectionCamera& camera, ObjectDescription& out) {
    DescribeCamera(camera, "ISectionCamera", out);
    out.Set("PlaneCount", camera.PlaneCount());
    out.Set("PlaneAt", ValueFormatter::Indexed(camera.PlaneCount(), [&](std::uint64_t i) {
                return PlaneValue(camera.PlaneAt(static_cast<std::size_t>(i)));
            }));
    out.Set("SectioningOperations", ValueFormatter::Text(camera.SectioningOperations()));
}

void SceneDescriber::DescribeView(const IView& view, const char* interfaceName,
                                  ObjectDescription& out) {
    out.Begin(view, interfaceName);
    out.Set("IsVisible", view.IsVisible());
    out.Set("IsActive", view.IsActive());
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    if (view.Unit(unit) == Value::kSpecified)
        out.Set("Unit", ValueFormatter::Unit(unit));
    out.SetIds("Cameras", view.Cameras());
    out.Set("MemberCount", view.MemberCount());
}

void SceneDescriber::Describe(const IView& view, ObjectDescription& out) {
    DescribeView(view, "IView", out);
    out.Set("MemberAt", ValueFormatter::Indexed(view.MemberCount(), [&](std::uint64_t i) {
                return MemberValue(view, static_cast<std::size_t>(i));
            }));
}

void SceneDescriber::Describe(const IViewWithFlatToScreen& view, ObjectDescription& out) {
    DescribeView(view, "IViewWithFlatToScreen", out);
    out.Set("MemberAt", ValueFormatter::Indexed(view.MemberCount(), [&](std::uint64_t i) {
                const auto index = static_cast<std::size_t>(i);
                Json member = MemberValue(view, index);
                member["MemberIsFlatToScreen"] = view.MemberIsFlatToScreen(index);
                IdSetSet flags;
                if (view.MemberFlagAssociation(index, flags) == Value::kSpecified) {
                    Json paths = Json::array();
                    for (const IdSet& path : flags)
                        paths.push_back(ValueFormatter::Ids(path));
                    member["MemberFlagAssociation"] = std::move(paths);
                }
                return member;
            }));
    double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
    bool scalable = false;
    if (view.FlatToScreenBox(x, y, width, height, scalable) == Value::kSpecified)
        out.Set("FlatToScreenBox", Json{{"x", ValueFormatter::Number(x)},
                                        {"y", ValueFormatter::Number(y)},
                                        {"width", ValueFormatter::Number(width)},
                                        {"height", ValueFormatter::Number(height)},
                                        {"isScalableWithCamera", scalable}});
}

void SceneDescriber::Describe(const ILight& light, ObjectDescription& out) {
    out.Begin(light, "ILight");
    out.SetUnits(light);
    out.Set("IsVisible", light.IsVisible());
    out.Set("Transform", ValueFormatter::Matrix(light.Transform()));
    double intensity = 0.0;
    ILight::IntensityUnitEnum intensityUnit = ILight::kIntensityUnit_Unitless;
    light.Intensity(intensity, intensityUnit);
    out.Set("Intensity", Json{{"value", ValueFormatter::Number(intensity)},
                              {"unit", XMLUtils::EnumName(intensityUnit)}});
    ILightShapeData* shape = nullptr;
    light.LightShapeData(shape);
    ShapeDataDescriber shapeDescriber;
    if (shape != nullptr)
        shape->AcceptVisitor(&shapeDescriber);
    out.Set("LightShapeData", shape != nullptr ? shapeDescriber.json : Json(nullptr));
    out.Set("LightColor", ValueFormatter::Rgba(light.LightColor()));
    out.Set("ColorTemperatureEnabled", light.ColorTemperatureEnabled());
    SetOptionalNumber(light, &ILight::ColorTemperature, "ColorTemperature", out);
    bool shadow = false;
    if (light.ShadowEnabled(shadow) == Value::kSpecified)
        out.Set("ShadowEnabled", shadow);
    Color shadowColor;
    if (light.ShadowColor(shadowColor) == Value::kSpecified)
        out.Set("ShadowColor", ValueFormatter::Rgba(shadowColor));
}

void SceneDescriber::Describe(const IKeyframeAnimation& animation, ObjectDescription& out) {
    out.Begin(animation, "IKeyframeAnimation");
    out.Set("StartFrame", ValueFormatter::Number(animation.StartFrame()));
    out.Set("EndFrame", ValueFormatter::Number(animation.EndFrame()));
    SetOptionalNumber(animation, &IAnimation::DefaultFrame, "DefaultFrame", out);
    out.Set("FramesPerSecond", ValueFormatter::Number(animation.FramesPerSecond()));
    IAnimation::InterpolationTypeEnum type = IAnimation::kInterpolationType_Linear;
    if (animation.InterpolationType(type) == Value::kSpecified)
        out.Set("InterpolationType", XMLUtils::EnumName(type));
    IKeyframeTypeData* data = nullptr;
    animation.KeyframeData(data);
    KeyframeDataDescriber dataDescriber;
    if (data != nullptr)
        data->AcceptVisitor(&dataDescriber);
    out.Set("KeyframeData", data != nullptr ? dataDescriber.json : Json(nullptr));
}

} // namespace Orvik::Inspect
