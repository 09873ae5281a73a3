#include "PresentationFixture.h"
#include "orvik/api/IOUtil.h"

namespace Orvik::Test {
namespace {

class LightTest : public PresentationFixture {
protected:
    const ILight& LoadLight(const std::string& attributes, const std::string& children = "") {
        LoadSet(R"(<LightSet><ILight ID="l" Label="Lamp" )" + attributes + ">" + children +
                "</ILight></LightSet>");
        return Get<ILight>("l");
    }

    template <typename Data>
    Data* ShapeOf(const ILight& light) {
        ILightShapeData* data = nullptr;
        EXPECT_EQ(light.LightShapeData(data), IsValueSpecifiedEnum::kSpecified);
        return dynamic_cast<Data*>(data);
    }
};

std::array<double, 4> Rgba(const Color& c) {
    return {c.Red(), c.Green(), c.Blue(), c.Alpha()};
}

TEST_F(LightTest, ABareLightAnswersItsDefaults) {
    const ILight& light = LoadLight("");
    double intensity = -1;
    ILight::IntensityUnitEnum unit = ILight::kIntensityUnit_Watt;
    light.Intensity(intensity, unit);
    EXPECT_EQ(intensity, 0.0);
    EXPECT_EQ(unit, ILight::kIntensityUnit_Unitless);
    EXPECT_TRUE(light.IsVisible());
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::LengthUnit), static_cast<UnitTypeEnum>(11));
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::DisplayLengthUnit),
              static_cast<UnitTypeEnum>(11));
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::DisplayAngleUnit), std::nullopt);
    EXPECT_EQ(ShapeOf<ILightShapeData>(light), nullptr);
    EXPECT_EQ(Answer<double>(light, &ILight::ColorTemperature), std::nullopt);
    EXPECT_EQ(Answer<bool>(light, &ILight::ShadowEnabled), std::nullopt);
    EXPECT_EQ(Answer<Color>(light, &ILight::ShadowColor), std::nullopt);
    EXPECT_FALSE(light.ColorTemperatureEnabled());
    IdSet animations;
    EXPECT_EQ(light.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(LightTest, EveryValueIsReadAsWritten) {
    const ILight& light = LoadLight(
        R"(LightType="Disk" ColorTemperature="5600" ColorTemperatureEnabled="True"
           Intensity="800" IntensityUnit="kIntensityUnit_Lux" ShadowEnabled="false"
           Visibility="0")",
        R"(<Unit LengthUnit="kUnitType_Millimeter" DisplayLengthUnit="kUnitType_Meter"/>
           <Transform>1 0 0 0 0 1 0 0 0 0 1 0 1 2 3 1</Transform>
           <Animations><AnimationRef ID="a1"/></Animations>
           <LightColor FractionRed="1" FractionGreen="0.5" FractionBlue="0.25"/>
           <ShadowColor FractionRed="0.1" FractionAlpha="0.5"/>
           <LightShapeData Radius="25"/>)");
    double intensity = 0;
    ILight::IntensityUnitEnum unit = ILight::kIntensityUnit_Unitless;
    light.Intensity(intensity, unit);
    EXPECT_EQ(intensity, 800.0);
    EXPECT_EQ(unit, ILight::kIntensityUnit_Lux);
    EXPECT_EQ(Answer<double>(light, &ILight::ColorTemperature), 5600.0);
    EXPECT_TRUE(light.ColorTemperatureEnabled());
    EXPECT_EQ(Answer<bool>(light, &ILight::ShadowEnabled), false);
    EXPECT_FALSE(light.IsVisible());
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::LengthUnit), UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::DisplayLengthUnit),
              UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(light.Transform().At(3, 2), 3.0);
    // Fractions not given are 0, alpha included.
    EXPECT_EQ(Rgba(light.LightColor()), (std::array<double, 4>{1, 0.5, 0.25, 0}));
    EXPECT_EQ(Rgba(*Answer<Color>(light, &ILight::ShadowColor)),
              (std::array<double, 4>{0.1, 0, 0, 0.5}));
    ASSERT_NE(ShapeOf<IDiskLightData>(light), nullptr);
    EXPECT_EQ(ShapeOf<IDiskLightData>(light)->Radius(), 25.0);
    IdSet animations;
    ASSERT_EQ(light.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Ids(animations), std::vector<std::string>{"a1"});
}

TEST_F(LightTest, EachLightTypeMakesItsShapeData) {
    {
        const auto* data = ShapeOf<IDirectionalLightData>(
            LoadLight(R"(LightType="Directional")", R"(<LightShapeData Angle="0.5"/>)"));
        ASSERT_NE(data, nullptr);
        double angle = 0;
        EXPECT_EQ(data->Angle(angle), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(angle, 0.5);
    }
    {
        const auto* data = ShapeOf<ISphereLightData>(LoadLight(
            R"(LightType="Sphere")", R"(<LightShapeData Radius="3" IsPointLight="True"/>)"));
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->Radius(), 3.0);
        EXPECT_TRUE(data->IsPointLight());
    }
    {
        const auto* data = ShapeOf<IRectLightData>(
            LoadLight(R"(LightType="Rect")", R"(<LightShapeData TextureFile="/abs/panel.png">
                 <TopLeft X="-1" Y="1"/><BottomRight X="1" Y="-1" Z="2"/></LightShapeData>)"));
        ASSERT_NE(data, nullptr);
        Position topLeft, bottomLeft, topRight, bottomRight;
        data->Corners(topLeft, bottomLeft, topRight, bottomRight);
        EXPECT_EQ(topLeft, Position(-1, 1, 0));
        EXPECT_EQ(bottomLeft, Position());
        EXPECT_EQ(bottomRight, Position(1, -1, 2));
        UTF16String path;
        ASSERT_EQ(data->TextureFile(path), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(path.ToUTF8(), "/abs/panel.png");
        // Handed over as written, and the host is told where it leads.
        std::vector<std::string> outside;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == DiagnosticCode::kOutsideDocumentFolder)
                outside.push_back(entry.element.Value());
        EXPECT_EQ(outside, std::vector<std::string>{"LightShapeData"});
    }
}

TEST_F(LightTest, DomeLightTextureAndRadius) {
    const struct {
        const char* attributes;
        std::optional<std::string> file;
        IDomeLightData::DomeTextureFormatEnum format;
        double radius;
    } cases[] = {
        {"", std::nullopt, IDomeLightData::kDomeTextureFormat_Unknown, 10000.0},
        {R"(TextureFormat="kDomeTextureFormat_LatLong" GuideRadius="50")", std::nullopt,
         IDomeLightData::kDomeTextureFormat_Unknown, 50.0},
        {R"(TextureFile="sky.hdr" TextureFormat="kDomeTextureFormat_CubeMap")", "sky.hdr",
         IDomeLightData::kDomeTextureFormat_CubeMap, 10000.0},
        {R"(TextureFile="sky.hdr" TextureFormat="latlong")", "sky.hdr",
         IDomeLightData::kDomeTextureFormat_Unknown, 10000.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        const auto* data = ShapeOf<IDomeLightData>(LoadLight(
            R"(LightType="Dome")", std::string("<LightShapeData ") + c.attributes + "/>"));
        ASSERT_NE(data, nullptr);
        UTF16String path;
        if (c.file) {
            ASSERT_EQ(data->TextureFile(path), IsValueSpecifiedEnum::kSpecified);
            // Relative to the side-file folder.
            EXPECT_EQ(path.ToUTF8(),
                      IOUtil::AppendFilePath(m_context->Context().SideFileDirectory(),
                                             UTF16String(*c.file))
                          .ToUTF8());
        } else {
            EXPECT_EQ(data->TextureFile(path), IsValueSpecifiedEnum::kUnspecified);
        }
        EXPECT_EQ(data->TextureFormat(), c.format);
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            EXPECT_NE(entry.code, DiagnosticCode::kOutsideDocumentFolder);
        double radius = 0;
        EXPECT_EQ(data->GuideRadius(radius), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(radius, c.radius);
    }
}

// Numbers that do not read are passed over: the starting value stands.
TEST_F(LightTest, TextThatIsNoNumberLeavesTheStartingValue) {
    const ILight& light = LoadLight(R"(LightType="Dome" ColorTemperature="warm" Intensity="x")",
                                    R"(<LightShapeData GuideRadius="far"/>)");
    EXPECT_EQ(Answer<double>(light, &ILight::ColorTemperature), std::nullopt);
    double intensity = -1;
    ILight::IntensityUnitEnum unit = ILight::kIntensityUnit_Unitless;
    light.Intensity(intensity, unit);
    EXPECT_EQ(intensity, 0.0);
    double radius = 0;
    ShapeOf<IDomeLightData>(light)->GuideRadius(radius);
    EXPECT_EQ(radius, 10000.0);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue).size(), 3u);
}

TEST_F(LightTest, ShapeDataNeedsAKnownLightTypeAndTheLastOneStays) {
    EXPECT_EQ(ShapeOf<ILightShapeData>(LoadLight("", "<LightShapeData Radius=\"1\"/>")), nullptr);
    EXPECT_EQ(ShapeOf<ILightShapeData>(
                  LoadLight(R"(LightType="disk")", "<LightShapeData Radius=\"1\"/>")),
              nullptr);
    const auto* data = ShapeOf<IDiskLightData>(LoadLight(
        R"(LightType="Disk")", R"(<LightShapeData Radius="1"/><LightShapeData Radius="2"/>)"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->Radius(), 2.0);
}

TEST_F(LightTest, AUnitWithoutBothNamesIsSkipped) {
    const ILight& light = LoadLight("", R"(<Unit LengthUnit="kUnitType_Meter"/>)");
    EXPECT_EQ(Answer<UnitTypeEnum>(light, &ILight::LengthUnit), static_cast<UnitTypeEnum>(11));
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed).size(), 1u);
}

// A member whose id is held already lists the id and makes no new light.
TEST_F(LightTest, AKnownIdAddsTheIdAndNoNewLight) {
    LoadSet(R"(<LightSet><ILight ID="l" Label="First" Intensity="1"/></LightSet>
               <LightSet><ILight ID="l" Label="Second" Intensity="2"/>
                 <ILight ID="m" Label="Other"/><ILight ID="nolabel"/><ILight Label="noid"/>
               </LightSet>)");
    EXPECT_EQ(Ids(Sets().LightSet()), (std::vector<std::string>{"l", "m"}));
    EXPECT_EQ(Get<ILight>("l").Label().ToUTF8(), "First");
    EXPECT_EQ(Find("nolabel"), nullptr);
    std::size_t lights = 0;
    m_context->Context().Collector().ForEach(
        [&](IObject& object) { lights += KindOf(&object) == ObjectKindEnum::kLight; });
    EXPECT_EQ(lights, 2u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId).size(), 1u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed).size(), 1u);
}

} // namespace
} // namespace Orvik::Test
