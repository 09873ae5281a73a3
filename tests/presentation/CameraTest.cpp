#include "PresentationFixture.h"

#include <utility>

namespace Orvik::Test {
namespace {

using Xyz = std::array<double, 3>;

Xyz Of(const Position& p) {
    return {p.X(), p.Y(), p.Z()};
}

Xyz Of(const UnitVector& v) {
    return {v.X(), v.Y(), v.Z()};
}

class CameraTest : public PresentationFixture {
protected:
    const ICamera& LoadCamera(const std::string& attributes, const std::string& children = "") {
        LoadSet(R"(<CameraSet><ICamera ID="c" Label="Cam" )" + attributes + ">" + children +
                "</ICamera></CameraSet>");
        return Get<ICamera>("c");
    }
};

TEST_F(CameraTest, EveryValueIsReadAsWritten) {
    const ICamera& camera = LoadCamera(
        R"(Type="kCameraType_Perspective" VersionPersistentId="v1" DistanceToViewPlane="250"
           AspectRatio="1.5" ViewAngle="0.8" ViewWindowHeightForParallelCamera="40"
           IsDepthFieldDefined="2" VerticalAperture="24" VerticalApertureOffset="0.5"
           HorizontalApertureOffset="-0.5" FStop="2.8" StereoRole="kStereoRole_Right"
           Exposure="1.25" ShutterOpenTime="0" ShutterCloseTime="0.02" Visibility="1")",
        R"(<Unit LengthUnit="kUnitType_Meter"/>
           <Transform>1 0 0 0 0 1 0 0 0 0 1 0 7 8 9 1</Transform>
           <CameraPosition X="1" Y="2" Z="3"/><CameraDirection X="0" Y="2" Z="0"/>
           <CameraUpDirection X="1" Y="0" Z="0"/>
           <NearPlane><PlaneData><Origin X="0" Y="0" Z="1"/><Normal X="0" Y="0" Z="1"/>
             </PlaneData><PlaneData><Origin X="0" Y="0" Z="2"/><Normal X="0" Y="1" Z="0"/>
             <Reference X="1" Y="0" Z="0"/></PlaneData></NearPlane>
           <Animations><AnimationRef ID="a1"/><AnimationRef ID="a2"/></Animations>)");
    EXPECT_EQ(camera.Label().ToUTF8(), "Cam");
    EXPECT_EQ(camera.Type(), ICamera::kCameraType_Perspective);
    EXPECT_EQ(Answer<UnitTypeEnum>(camera, &ICamera::Unit), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(Of(camera.Position()), (Xyz{1, 2, 3}));
    EXPECT_EQ(Of(camera.Direction()), (Xyz{0, 1, 0}));
    EXPECT_EQ(Of(camera.UpDirection()), (Xyz{1, 0, 0}));
    EXPECT_EQ(Answer<double>(camera, &ICamera::DistanceToViewPlane), 250.0);
    EXPECT_EQ(Answer<double>(camera, &ICamera::AspectRatio), 1.5);
    EXPECT_EQ(Answer<double>(camera, &ICamera::ViewAngle), 0.8);
    EXPECT_EQ(Answer<double>(camera, &ICamera::ViewWindowHeightForParallelCamera), 40.0);
    EXPECT_EQ(Answer<bool>(camera, &ICamera::IsDepthFieldDefined), true);
    EXPECT_EQ(Answer<double>(camera, &ICamera::VerticalAperture), 24.0);
    EXPECT_EQ(Answer<double>(camera, &ICamera::VerticalApertureOffset), 0.5);
    EXPECT_EQ(Answer<double>(camera, &ICamera::HorizontalApertureOffset), -0.5);
    EXPECT_EQ(Answer<double>(camera, &ICamera::FStop), 2.8);
    EXPECT_EQ(Answer<double>(camera, &ICamera::Exposure), 1.25);
    EXPECT_EQ(Answer<double>(camera, &ICamera::ShutterOpenTime), 0.0);
    EXPECT_EQ(Answer<double>(camera, &ICamera::ShutterCloseTime), 0.02);
    EXPECT_TRUE(camera.IsVisible());
    EXPECT_EQ(camera.Transform().At(3, 1), 8.0);
    // The last plane wins.
    const std::optional<Plane> nearPlane = Answer<Plane>(camera, &ICamera::NearPlane);
    ASSERT_TRUE(nearPlane);
    EXPECT_EQ(Of(nearPlane->Origin()), (Xyz{0, 0, 2}));
    EXPECT_EQ(Of(nearPlane->Normal()), (Xyz{0, 1, 0}));
    EXPECT_EQ(Of(nearPlane->XDirection()), (Xyz{1, 0, 0}));
    EXPECT_EQ(Answer<Plane>(camera, &ICamera::FarPlane), std::nullopt);
    IdSet animations;
    ASSERT_EQ(camera.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Ids(animations), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(Ids(Sets().CameraSet()), std::vector<std::string>{"c"});
}

TEST_F(CameraTest, ABareCameraAnswersItsDefaults) {
    const ICamera& camera = LoadCamera(R"(Type="kCameraType_Parallel")", "<NearPlane/>");
    EXPECT_EQ(Answer<UnitTypeEnum>(camera, &ICamera::Unit), UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(Answer<double>(camera, &ICamera::DistanceToViewPlane), std::nullopt);
    EXPECT_EQ(Answer<bool>(camera, &ICamera::IsDepthFieldDefined), std::nullopt);
    EXPECT_EQ(Answer<Plane>(camera, &ICamera::NearPlane), std::nullopt);
    EXPECT_EQ(Answer<ICamera::StereoRoleEnum>(camera, &ICamera::StereoRole), std::nullopt);
    EXPECT_EQ(Of(camera.Direction()), (Xyz{0, 0, 1}));
    EXPECT_TRUE(camera.IsVisible());
    IdSet animations;
    EXPECT_EQ(camera.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(CameraTest, AnyTypeNameButPerspectiveGivesTheParallelType) {
    const std::pair<const char*, ICamera::CameraTypeEnum> cases[] = {
        {"kCameraType_Perspective", ICamera::kCameraType_Perspective},
        {"kCameraType_Parallel", ICamera::kCameraType_Parallel},
        {"kCameraType_perspective", ICamera::kCameraType_Parallel},
        {"Perspective", ICamera::kCameraType_Parallel},
        {"", ICamera::kCameraType_Parallel}};
    for (const auto& [name, type] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LoadCamera(std::string("Type=\"") + name + "\"").Type(), type);
    }
}

TEST_F(CameraTest, StereoRoleIsSpecifiedWheneverItsAttributeIsPresent) {
    using Role = std::optional<ICamera::StereoRoleEnum>;
    const std::pair<const char*, Role> cases[] = {
        {R"(StereoRole="kStereoRole_Left")", ICamera::kStereoRole_Left},
        {R"(StereoRole="kStereoRole_Right")", ICamera::kStereoRole_Right},
        {R"(StereoRole="kStereoRole_Mono")", ICamera::kStereoRole_Mono},
        {R"(StereoRole="Left eye")", ICamera::kStereoRole_Mono},
        {R"(StereoRole="")", ICamera::kStereoRole_Mono},
        {"", std::nullopt}};
    for (const auto& [attribute, role] : cases) {
        SCOPED_TRACE(attribute);
        const ICamera& camera = LoadCamera(std::string(R"(Type="x" )") + attribute);
        EXPECT_EQ(Answer<ICamera::StereoRoleEnum>(camera, &ICamera::StereoRole), role);
    }
}

// Values the document gives in a form the reader does not take.
TEST_F(CameraTest, OddValuesFollowTheirRules) {
    const struct {
        const char* attributes;
        std::optional<double> aspectRatio;
        std::optional<bool> depthField;
        bool visible;
    } cases[] = {
        {R"(AspectRatio="wide" IsDepthFieldDefined="0" Visibility="0")", 0.0, false, false},
        {R"(IsDepthFieldDefined="yes" Visibility="2")", std::nullopt, false, false},
        {R"(Visibility="1")", std::nullopt, std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        const ICamera& camera = LoadCamera(std::string(R"(Type="x" )") + c.attributes);
        EXPECT_EQ(Answer<double>(camera, &ICamera::AspectRatio), c.aspectRatio);
        EXPECT_EQ(Answer<bool>(camera, &ICamera::IsDepthFieldDefined), c.depthField);
        EXPECT_EQ(camera.IsVisible(), c.visible);
    }
}

TEST_F(CameraTest, OneApertureOffsetLeavesTheOtherUnspecified) {
    const ICamera& camera = LoadCamera(R"(Type="x" HorizontalApertureOffset="3")");
    EXPECT_EQ(Answer<double>(camera, &ICamera::HorizontalApertureOffset), 3.0);
    EXPECT_EQ(Answer<double>(camera, &ICamera::VerticalApertureOffset), std::nullopt);
}

TEST_F(CameraTest, SectionCameraWrapsTheCameraAndKeepsTheFrameworkDefaults) {
    LoadCamera(R"(Type="kCameraType_Perspective" VerticalAperture="24" Visibility="0")",
               R"(<CameraPosition X="4" Y="5" Z="6"/>
                  <ISectionCamera>
                    <PlaneData><Origin X="0" Y="0" Z="1"/><Normal X="0" Y="0" Z="1"/></PlaneData>
                    <PlaneData><Origin X="0" Y="0" Z="9"/><Normal X="1" Y="0" Z="0"/></PlaneData>
                    <SectioningOperations>cut-both</SectioningOperations>
                  </ISectionCamera>
                  <ISectionCamera><SectioningOperations></SectioningOperations></ISectionCamera>
                  <Animations><AnimationRef ID="a1"/></Animations>)");
    const auto& section = Get<ISectionCamera>("c");
    EXPECT_EQ(KindOf(Find("c")), ObjectKindEnum::kSectionCamera);
    EXPECT_EQ(section.Id().Value(), "c");
    EXPECT_EQ(section.Label().ToUTF8(), "Cam");
    EXPECT_EQ(section.Type(), ICamera::kCameraType_Perspective);
    EXPECT_EQ(Of(section.Position()), (Xyz{4, 5, 6}));
    ASSERT_EQ(section.PlaneCount(), 2u);
    EXPECT_EQ(Of(section.PlaneAt(1).Origin()), (Xyz{0, 0, 9}));
    EXPECT_THROW(section.PlaneAt(2), std::out_of_range);
    // An empty text keeps the operations read before.
    EXPECT_EQ(section.SectioningOperations().Value(), "cut-both");
    EXPECT_EQ(Answer<double>(section, &ICamera::VerticalAperture), std::nullopt);
    EXPECT_TRUE(section.IsVisible());
    IdSet animations;
    EXPECT_EQ(section.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(CameraTest, AnEmptySectionElementMakesNoSectionCamera) {
    LoadCamera(R"(Type="x")", "<ISectionCamera/>");
    EXPECT_EQ(KindOf(Find("c")), ObjectKindEnum::kCamera);
}

TEST_F(CameraTest, ZeroDirectionsKeepTheDefaultAndAreReported) {
    const ICamera& camera = LoadCamera(R"(Type="x")", R"(<CameraDirection X="0" Y="0" Z="0"/>
                         <NearPlane><PlaneData><Normal X="0" Y="0" Z="0"/></PlaneData></NearPlane>)");
    EXPECT_EQ(Of(camera.Direction()), (Xyz{0, 0, 1}));
    ASSERT_TRUE(Answer<Plane>(camera, &ICamera::NearPlane));
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue).size(), 2u);
}

// Without the attributes a camera needs, the element is skipped as one without "ID" is.
TEST_F(CameraTest, MembersWithoutRequiredAttributesAreSkippedWithADiagnostic) {
    LoadSet(R"(<CameraSet>
                 <ICamera Label="no id" Type="x"/>
                 <ICamera ID="no-label" Type="x"/>
                 <ICamera ID="no-type" Label="L"/>
                 <ICamera ID="ok" Label="L" Type="x"><Unit/><Unit LengthUnit="Parsec"/></ICamera>
                 <ICamera ID="ok" Label="Again" Type="kCameraType_Perspective"/>
               </CameraSet>)");
    EXPECT_EQ(Ids(Sets().CameraSet()), std::vector<std::string>{"ok"});
    EXPECT_EQ(Find("no-label"), nullptr);
    EXPECT_EQ(Find("no-type"), nullptr);
    // The repeated id made no second camera.
    EXPECT_EQ(Get<ICamera>("ok").Label().ToUTF8(), "L");
    EXPECT_EQ(Answer<UnitTypeEnum>(Get<ICamera>("ok"), &ICamera::Unit),
              UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId).size(), 1u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed).size(), 3u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue).size(), 1u);
}

TEST_F(CameraTest, IdsTakeThePrefix) {
    Load(R"(<IAssembly ID="asm"><AttributeSet><CameraSet>
              <ICamera ID="c" Label="L" Type="x"/></CameraSet></AttributeSet></IAssembly>)",
         "P");
    std::vector<std::string> cameras;
    m_context->Context().Collector().ForEach([&](IObject& object) {
        if (KindOf(&object) == ObjectKindEnum::kCamera)
            cameras.push_back(object.Id().Value());
    });
    ASSERT_EQ(cameras.size(), 1u);
    EXPECT_NE(cameras.front(), "c");
    EXPECT_EQ(cameras.front().rfind('P', 0), 0u);
}

} // namespace
} // namespace Orvik::Test
