#include "DocumentInspector.h"
#include "SampleDocument.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>
#include <map>

namespace Orvik::Test {
namespace {

using Inspect::Json;

// The sample's cameras, views, lights and animations as the inspector shows them, walking from
// the root as a host does.
class SceneDescriberTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sample::SampleDocument(Sample::SampleOptions{}).WriteTo(m_dir.Root().string(), "s");
        Inspect::InspectOptions options;
        options.path = m_dir.PathOf("s.zip");
        options.diagnostics = true;
        m_model = Inspect::DocumentInspector(options).Inspect();
        for (const Json& object : m_model.at("objects"))
            m_byId[object.at("id").get<std::string>()] = &object;
    }

    const Json& Object(const std::string& id) {
        const auto found = m_byId.find(id);
        if (found == m_byId.end())
            throw std::runtime_error("the walk did not reach " + id);
        return *found->second;
    }

    TestSupport::TempDirectory m_dir;
    Json m_model;
    std::map<std::string, const Json*> m_byId;
};

TEST_F(SceneDescriberTest, TheSampleLoadsWithoutDiagnostics) {
    EXPECT_EQ(m_model.at("diagnostics"), Json::array());
}

TEST_F(SceneDescriberTest, CamerasShowEveryValueAsWritten) {
    const Json& front = Object("cam-front");
    EXPECT_EQ(front.at("interface"), "ICamera");
    EXPECT_EQ(front.at("Type"), "kCameraType_Perspective");
    EXPECT_EQ(front.at("Unit"), "kUnitType_Millimeter");
    EXPECT_EQ(front.at("Position"), (Json{{"x", 0}, {"y", -400}, {"z", 100}}));
    EXPECT_EQ(front.at("StereoRole"), "kStereoRole_Left");
    EXPECT_EQ(front.at("FStop"), 2.8);
    EXPECT_EQ(front.at("IsDepthFieldDefined"), true);
    EXPECT_EQ(front.at("FarPlane").at("origin").at("z"), 5000);
    EXPECT_EQ(front.at("KeyframeAnimationChannels"), Json::array({"anim-spin"}));
    const Json& section = Object("cam-section");
    EXPECT_EQ(section.at("interface"), "ISectionCamera");
    EXPECT_EQ(section.at("PlaneCount"), 2);
    EXPECT_EQ(section.at("PlaneAt")[1].at("origin").at("z"), 40);
    EXPECT_EQ(section.at("SectioningOperations"), "intersect");
    EXPECT_EQ(section.at("ViewWindowHeightForParallelCamera"), 300);
}

TEST_F(SceneDescriberTest, ViewsShowTheirMemberOverrides) {
    const Json& plain = Object("view-exploded");
    EXPECT_EQ(plain.at("interface"), "IView");
    EXPECT_EQ(plain.at("Cameras"), Json::array({"cam-front"}));
    ASSERT_EQ(plain.at("MemberCount"), 2);
    EXPECT_EQ(plain.at("MemberAt")[1].at("MemberOccurrencePath"), Json::array({"inst-shaft-1"}));
    EXPECT_EQ(plain.at("MemberAt")[1].at("MemberVisibility"), false);
    EXPECT_EQ(plain.at("MemberAt")[0].at("MemberStyles"), Json::array({"style-red"}));
    const Json& flat = Object("view-notes");
    EXPECT_EQ(flat.at("interface"), "IViewWithFlatToScreen");
    EXPECT_EQ(flat.at("IsActive"), false);
    EXPECT_EQ(flat.at("FlatToScreenBox"), (Json{{"x", 10},
                                                {"y", 20},
                                                {"width", 200},
                                                {"height", 120},
                                                {"isScalableWithCamera", true}}));
    const Json& member = flat.at("MemberAt")[0];
    EXPECT_EQ(member.at("MemberIsFlatToScreen"), true);
    EXPECT_EQ(member.at("MemberFlagAssociation"),
              Json::array({Json::array({"inst-housing", "inst-layout"})}));
}

TEST_F(SceneDescriberTest, LightsOfEveryKindShowTheirShapeData) {
    const std::map<std::string, std::string> kinds{{"light-sun", "IDirectionalLightData"},
                                                   {"light-disk", "IDiskLightData"},
                                                   {"light-dome", "IDomeLightData"},
                                                   {"light-bulb", "ISphereLightData"},
                                                   {"light-panel", "IRectLightData"}};
    for (const auto& [id, kind] : kinds) {
        SCOPED_TRACE(id);
        const Json& light = Object(id);
        EXPECT_EQ(light.at("interface"), "ILight");
        EXPECT_EQ(light.at("LightShapeData").at("interface"), kind);
        EXPECT_EQ(light.at("Intensity"), (Json{{"value", 800}, {"unit", "kIntensityUnit_Lumen"}}));
        EXPECT_EQ(light.at("DisplayLengthUnit"), "kUnitType_Centimeter");
        EXPECT_EQ(light.at("ShadowColor").at("a"), 0.5);
    }
    EXPECT_EQ(Object("light-dome").at("LightShapeData").at("TextureFormat"),
              "kDomeTextureFormat_LatLong");
    EXPECT_EQ(Object("light-sun").at("KeyframeAnimationChannels"), Json::array({"anim-lift"}));
}

TEST_F(SceneDescriberTest, AnimationsShowKeyframesFromTheSideFileAndInline) {
    const Json& spin = Object("anim-spin");
    EXPECT_EQ(spin.at("interface"), "IKeyframeAnimation");
    EXPECT_EQ(spin.at("InterpolationType"), "kInterpolationType_Spline");
    EXPECT_EQ(spin.at("DefaultFrame"), 12);
    const Json& fromFile = spin.at("KeyframeData");
    EXPECT_EQ(fromFile.at("FrameCount"), 3);
    EXPECT_EQ(fromFile.at("TransformAt")[2].at("frame"), 48);
    EXPECT_EQ(fromFile.at("LengthUnit"), "kUnitType_Millimeter");
    const Json& lift = Object("anim-lift");
    EXPECT_EQ(lift.at("KeyframeData").at("FrameCount"), 2);
    EXPECT_EQ(lift.at("KeyframeData").at("TransformAt")[1].at("transform")[14], 80);
    EXPECT_EQ(Object("inst-housing").at("KeyframeAnimationChannels"), Json::array({"anim-spin"}));
}

} // namespace
} // namespace Orvik::Test
