#include "SceneSample.h"

#include "orvik/writer/AnimationFileWriter.h"

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

void Xyz(XmlDocumentBuilder& b, const char* name, const char* x, const char* y, const char* z) {
    b.Element(name, {{"X", x}, {"Y", y}, {"Z", z}});
}

void PlaneData(XmlDocumentBuilder& b, const char* z) {
    b.Open("PlaneData");
    Xyz(b, "Origin", "0", "0", z);
    Xyz(b, "Normal", "0", "0", "1");
    Xyz(b, "Reference", "1", "0", "0");
    b.Close();
}

void WriteCameras(XmlDocumentBuilder& b) {
    b.Open("CameraSet");
    b.Open("ICamera")
        .Attribute("ID", "cam-front")
        .Attribute("Label", "Front")
        .Attribute("Type", "kCameraType_Perspective")
        .Attribute("DistanceToViewPlane", "250")
        .Attribute("AspectRatio", "1.5")
        .Attribute("ViewAngle", "0.8")
        .Attribute("IsDepthFieldDefined", "1")
        .Attribute("VerticalAperture", "24")
        .Attribute("VerticalApertureOffset", "0.5")
        .Attribute("HorizontalApertureOffset", "-0.5")
        .Attribute("FStop", "2.8")
        .Attribute("StereoRole", "kStereoRole_Left")
        .Attribute("Exposure", "1.25")
        .Attribute("ShutterOpenTime", "0")
        .Attribute("ShutterCloseTime", "0.02")
        .Attribute("Visibility", "1");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"}});
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 -400 100 1");
    Xyz(b, "CameraPosition", "0", "-400", "100");
    Xyz(b, "CameraDirection", "0", "1", "0");
    Xyz(b, "CameraUpDirection", "0", "0", "1");
    b.Open("NearPlane");
    PlaneData(b, "1");
    b.Close();
    b.Open("FarPlane");
    PlaneData(b, "5000");
    b.Close();
    SceneSample::WriteAnimationRefs(b, SceneSample::kFileAnimation);
    b.Close();
    b.Open("ICamera")
        .Attribute("ID", "cam-section")
        .Attribute("Label", "Section")
        .Attribute("Type", "kCameraType_Parallel")
        .Attribute("ViewWindowHeightForParallelCamera", "300");
    Xyz(b, "CameraPosition", "0", "0", "500");
    Xyz(b, "CameraDirection", "0", "0", "-1");
    Xyz(b, "CameraUpDirection", "0", "1", "0");
    b.Open("ISectionCamera");
    PlaneData(b, "20");
    PlaneData(b, "40");
    b.TextElement("SectioningOperations", "intersect");
    b.Close();
    b.Close();
    b.Close();
}

void ViewMember(XmlDocumentBuilder& b, const char* path, const char* visible, bool flat) {
    b.Open("ViewMemberChild");
    b.Element("OccurrencePath", {{"Path", path}});
    b.Element("EntityVisibility", {{"Visibility", visible}});
    b.Open("Styles").Element("StyleRef", {{"ID", "style-red"}}).Close();
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 10 1");
    if (flat) {
        b.Open("ViewWithFlatToScreenMemberChild").Attribute("IsFlatToScreen", "1");
        b.Open("FlagAssociation")
            .Element("FlagAnnotationPath", {{"Path", "[inst-housing][inst-layout]"}})
            .Close();
        b.Close();
    }
    b.Close();
}

void WriteViews(XmlDocumentBuilder& b) {
    b.Open("ViewSet");
    b.Open("IView")
        .Attribute("ID", "view-exploded")
        .Attribute("Label", "Exploded")
        .Attribute("IsActive", "1")
        .Attribute("Visibility", "true");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"}});
    b.Open("CameraSet").Element("CameraRef", {{"ID", "cam-front"}}).Close();
    b.Open("ViewMember");
    ViewMember(b, "[inst-housing]", "1", false);
    ViewMember(b, "[inst-shaft-1]", "0", false);
    b.Close();
    b.Close();
    b.Open("IView")
        .Attribute("ID", "view-notes")
        .Attribute("Label", "Notes")
        .Attribute("IsActive", "0");
    b.Open("CameraSet").Element("CameraRef", {{"ID", "cam-section"}}).Close();
    b.Open("ViewMember");
    ViewMember(b, "[inst-housing][inst-cover]", "1", true);
    b.Close();
    b.Open("IViewWithFlatToScreen");
    b.Open("FlatToScreenBox")
        .Attribute("Width", "200")
        .Attribute("Height", "120")
        .Attribute("IsScalableWithCamera", "1");
    b.Element("LeftBottomCorner", {{"X", "10"}, {"Y", "20"}});
    b.Close().Close();
    b.Close();
    b.Close();
}

void Light(XmlDocumentBuilder& b, const char* id, const char* type) {
    b.Open("ILight")
        .Attribute("ID", id)
        .Attribute("Label", std::string(type) + " light")
        .Attribute("LightType", type)
        .Attribute("Intensity", "800")
        .Attribute("IntensityUnit", "kIntensityUnit_Lumen")
        .Attribute("ColorTemperature", "5600")
        .Attribute("ColorTemperatureEnabled", "True")
        .Attribute("ShadowEnabled", "True")
        .Attribute("Visibility", "True");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayLengthUnit", "kUnitType_Centimeter"}});
    b.Element("LightColor", {{"FractionRed", "1"},
                             {"FractionGreen", "0.9"},
                             {"FractionBlue", "0.8"},
                             {"FractionAlpha", "1"}});
    b.Element("ShadowColor", {{"FractionRed", "0.1"},
                              {"FractionGreen", "0.1"},
                              {"FractionBlue", "0.1"},
                              {"FractionAlpha", "0.5"}});
}

void WriteLights(XmlDocumentBuilder& b) {
    b.Open("LightSet");
    Light(b, "light-sun", "Directional");
    b.Element("LightShapeData", {{"Angle", "0.5"}});
    SceneSample::WriteAnimationRefs(b, SceneSample::kInlineAnimation);
    b.Close();
    Light(b, "light-disk", "Disk");
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 300 1");
    b.Element("LightShapeData", {{"Radius", "25"}});
    b.Close();
    Light(b, "light-dome", "Dome");
    b.Element("LightShapeData", {{"GuideRadius", "5000"},
                                 {"TextureFile", "sky.hdr"},
                                 {"TextureFormat", "kDomeTextureFormat_LatLong"}});
    b.Close();
    Light(b, "light-bulb", "Sphere");
    b.Element("LightShapeData", {{"Radius", "3"}, {"IsPointLight", "True"}});
    b.Close();
    Light(b, "light-panel", "Rect");
    b.Open("LightShapeData").Attribute("TextureFile", "panel.png");
    Xyz(b, "TopLeft", "-50", "50", "200");
    Xyz(b, "BottomLeft", "-50", "-50", "200");
    Xyz(b, "TopRight", "50", "50", "200");
    Xyz(b, "BottomRight", "50", "-50", "200");
    b.Close().Close();
    b.Close();
}

void WriteAnimations(XmlDocumentBuilder& b) {
    b.Open("AnimationSet");
    // Its keyframes come from the side file; the inline one below is ignored.
    b.Open("IKeyframeAnimation")
        .Attribute("ID", SceneSample::kFileAnimation)
        .Attribute("Label", "Spin")
        .Attribute("StartFrame", "0")
        .Attribute("EndFrame", "48")
        .Attribute("DefaultFrame", "12")
        .Attribute("FramesPerSecond", "24")
        .Attribute("InterpolationType", "kInterpolationType_Spline")
        .Attribute("AnimationDataType", "kKeyframeTypeData_Transform");
    b.Close();
    b.Open("IKeyframeAnimation")
        .Attribute("ID", SceneSample::kInlineAnimation)
        .Attribute("Label", "Lift")
        .Attribute("EndFrame", "30")
        .Attribute("FramesPerSecond", "30")
        .Attribute("InterpolationType", "kInterpolationType_Linear");
    b.Open("KeyframeTransformData").Attribute("LengthUnit", "kUnitType_Millimeter");
    b.Open("Keyframe").Attribute("Keyframe", "0");
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1");
    b.Close();
    b.Open("Keyframe").Attribute("Keyframe", "30");
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 80 1");
    b.Close();
    b.Close().Close();
    b.Close();
}

Writer::AnimationFileWriter::Matrix Turn(double cosine, double sine) {
    return {cosine, -sine, 0, 0, sine, cosine, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

} // namespace

void SceneSample::WriteSection(XmlDocumentBuilder& b) {
    b.Element("AnimationInfo", {{"GenerateAnimation", "True"}, {"Path", kAnimationFile}});
}

void SceneSample::WriteAttributeSet(XmlDocumentBuilder& b) {
    b.Open("AttributeSet");
    WriteCameras(b);
    WriteViews(b);
    WriteLights(b);
    WriteAnimations(b);
    b.Close();
}

void SceneSample::WriteAnimationRefs(XmlDocumentBuilder& b, const char* animation) {
    b.Open("Animations").Element("AnimationRef", {{"ID", animation}}).Close();
}

void SceneSample::WriteAnimationFile(const std::string& path) {
    Writer::AnimationFileWriter file;
    file.AddTransformRecord(Writer::AnimationFileWriter::NameFor(kFileAnimation),
                            {{0.0, Turn(1, 0)}, {24.0, Turn(0, 1)}, {48.0, Turn(-1, 0)}}, true, 1);
    file.WriteTo(path);
}

} // namespace Orvik::Sample
