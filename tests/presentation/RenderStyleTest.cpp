#include "PresentationFixture.h"
#include "orvik/writer/AmbrelAssetFileWriter.h"
#include "xml_util/XMLStyle.h"

namespace Orvik::Test {
namespace {

using Kind = ObjectKindEnum;

class RenderStyleTest : public PresentationFixture {
protected:
    IRenderStyle& Style(const std::string& id) {
        auto* style = Find<IRenderStyle>(id);
        EXPECT_NE(style, nullptr) << id;
        static XMLStyle none{UTF8String(), UTF16String()};
        return style ? *style : none;
    }

    std::string AssetSection(const std::string& file) {
        return R"(<AmbrelMaterialInfo GenerateSerializedAmbrel="True" Path=")" + file + R"("/>)";
    }
};

TEST_F(RenderStyleTest, TheClassIsChosenFromTheContent) {
    m_dir.Write("assets.bin", Writer::AmbrelAssetFileWriter().AddAsset("byAsset", "A").Bytes());
    LoadSets(R"(<StyleSet><IRenderStyle ID="plain"/><Other ID="x"/>
        <IRenderStyle ID="ambrel"><AmbrelStyleInfo/></IRenderStyle>
        <IRenderStyle ID="mtlx"><MaterialXStyleInfo/></IRenderStyle>
        <IRenderStyle ID="both"><MaterialXStyleInfo/><AmbrelStyleInfo/></IRenderStyle>
        <IRenderStyle ID="byAsset"/><IRenderStyle Label="no id"/></StyleSet>)",
             AssetSection("assets.bin"));
    const struct {
        const char* id;
        Kind kind;
    } cases[] = {{"plain", Kind::kRenderStyle},         {"ambrel", Kind::kAmbrelRenderStyle},
                 {"mtlx", Kind::kMaterialXRenderStyle}, {"both", Kind::kAmbrelRenderStyle},
                 {"byAsset", Kind::kAmbrelRenderStyle}, {"", Kind::kRenderStyle}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(KindOf(m_context->Context().Find(UTF8String(c.id))), c.kind);
    }
    EXPECT_EQ(RootFile().StyleSet(),
              (IdSet{UTF8String("plain"), UTF8String("ambrel"), UTF8String("mtlx"),
                     UTF8String("both"), UTF8String("byAsset"), UTF8String("")}));
    EXPECT_EQ(m_context->Context().Find(UTF8String("x")), nullptr);
}

TEST_F(RenderStyleTest, APlainStyleAnswersEveryValueAsWritten) {
    LoadSets(R"(<StyleSet><IRenderStyle ID="s" Label="Steel" VersionPersistentId="v1"
          PointStyleMarkerType="kPointStyleMarkerType_FilledCircle" PointStyleMarkerSize="3"
          CurveStyleFont="kCurveStyleFontType_ISO_DashDot" CurveStyleWidth="0.5"
          CurveStyleFillArea="kCurveStyleFillType_Solid">
        <ChangeKey>k</ChangeKey>
        <DiffuseColor FractionRed="0.1" FractionGreen="0.2" FractionBlue="0.3" DiffuseFactor="0.9"
          TextureId="t1" Rolloff="4" ShaderType="2" SpecularFactor="0.7">
          <TransparencyRGB FractionRed="1" FractionGreen="1" FractionBlue="1" FractionAlpha="0.5"/>
        </DiffuseColor>
        <AmbientColor FractionRed="0" FractionGreen="0" FractionBlue="1" AmbientFactor="0.4"/>
        <EmissionColor FractionRed="1" FractionGreen="0" FractionBlue="0"/>
        <BumpMap TextureId="t2"/><CutoutTexture TextureId="t3"/><SpecularTexture/>
        <StyleShininess Shininess="0.6"/><StyleReflection Reflection="0.2"/>
        <StyleEccentricity Eccentricity="0.3"/><StyleTransparency Transparency="0.25"/>
        <StyleShaderType/></IRenderStyle></StyleSet>)");
    const IRenderStyle& style = Style("s");
    Color colour;
    ASSERT_EQ(style.DiffuseColor(colour), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(colour.Blue(), 0.3);
    EXPECT_EQ(colour.Alpha(), 1.0);
    ASSERT_EQ(style.Transparency(colour), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(colour.Alpha(), 0.5);
    EXPECT_EQ(style.EmissionColor(colour), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(style.SpecularColor(colour), IsValueSpecifiedEnum::kUnspecified);
    double value = 0;
    const std::pair<IsValueSpecifiedEnum (IRenderStyle::*)(double&) const, double> numbers[] = {
        {&IRenderStyle::DiffuseFactor, 0.9},   {&IRenderStyle::AmbientFactor, 0.4},
        {&IRenderStyle::SpecularFactor, 0.7},  {&IRenderStyle::Shininess, 0.6},
        {&IRenderStyle::Reflection, 0.2},      {&IRenderStyle::Eccentricity, 0.3},
        {&IRenderStyle::Rolloff, 4.0},         {&IRenderStyle::PointStyleMarkerSize, 3.0},
        {&IRenderStyle::CurveStyleWidth, 0.5},
    };
    for (const auto& [getter, expected] : numbers) {
        EXPECT_EQ((style.*getter)(value), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(value, expected);
    }
    EXPECT_EQ(style.Transparency(value), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(value, 0.25);
    EXPECT_EQ(style.EmissionFactor(value), IsValueSpecifiedEnum::kUnspecified);
    UTF8String texture;
    EXPECT_EQ(style.DiffuseTexture(texture), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(texture, UTF8String("t1"));
    EXPECT_EQ(style.CutoutTexture(texture), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(texture, UTF8String("t3"));
    EXPECT_EQ(style.SpecularTexture(texture), IsValueSpecifiedEnum::kUnspecified);
    int shader = 0;
    EXPECT_EQ(style.ShaderType(shader), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(shader, 2);
    IRenderStyle::PointStyleMarkerTypeEnum marker{};
    EXPECT_EQ(style.PointStyleMarker(marker), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(static_cast<int>(marker), 10);
    IRenderStyle::CurveStyleFontTypeEnum font{};
    EXPECT_EQ(style.CurveStyleFont(font), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(static_cast<int>(font), 9);
    UTF8String version;
    EXPECT_EQ(style.VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    UTF16String key;
    EXPECT_EQ(style.ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
}

TEST_F(RenderStyleTest, ColoursWithoutAWholeFractionSetNothing) {
    const struct {
        const char* attributes;
        bool colourSet;
        double alpha;
        bool factorSet;
    } cases[] = {
        {R"(FractionRed="1" FractionGreen="1" DiffuseFactor="0.5")", false, 1, true},
        {R"(FractionRed="x" FractionGreen="1" FractionBlue="1")", false, 1, false},
        {R"(FractionRed="1" FractionGreen="1" FractionBlue="1" FractionAlpha="x")", true, 1, false},
        {R"(FractionRed="1" FractionGreen="1" FractionBlue="1" FractionAlpha="0.2")", true, 0.2,
         false},
        {R"(FractionRed="1" FractionGreen="1" FractionBlue="1" DiffuseFactor="bad")", true, 1,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        LoadSets(std::string(R"(<StyleSet><IRenderStyle ID="s"><DiffuseColor )") + c.attributes +
                 "/></IRenderStyle></StyleSet>");
        Color colour;
        double factor = 0;
        EXPECT_EQ(Style("s").DiffuseColor(colour) == IsValueSpecifiedEnum::kSpecified, c.colourSet);
        EXPECT_EQ(colour.Alpha(), c.alpha);
        EXPECT_EQ(Style("s").DiffuseFactor(factor) == IsValueSpecifiedEnum::kSpecified,
                  c.factorSet);
    }
}

TEST_F(RenderStyleTest, DisplayNamesMatchTheTablesExactly) {
    const struct {
        const char* attribute;
        const char* value;
        int expected; // -1: not specified
    } cases[] = {
        {"PointStyleMarkerType", "kPointStyleMarkerType_FilledCircle", 10},
        {"PointStyleMarkerType", "kPointStyleMarkerType_filledcircle", -1},
        {"PointStyleMarkerType", "kPointStyleMarkerType_Dot ", -1},
        {"CurveStyleFont", "kCurveStyleFontType_ISO_DoubleDashTripleDot", 14},
        {"CurveStyleFont", "Continuous", -1},
        {"CurveStyleFillArea", "kCurveStyleFillType_Solid", 0},
        {"CurveStyleFillArea", "kCurveStyleFillType_Hatch", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.attribute) + "=" + c.value);
        LoadSets(std::string(R"(<StyleSet><IRenderStyle ID="s" )") + c.attribute + "=\"" + c.value +
                 "\"/></StyleSet>");
        const IRenderStyle& style = Style("s");
        int answer = -1;
        IRenderStyle::PointStyleMarkerTypeEnum marker{};
        IRenderStyle::CurveStyleFontTypeEnum font{};
        IRenderStyle::CurveStyleFillTypeEnum fill{};
        if (style.PointStyleMarker(marker) == IsValueSpecifiedEnum::kSpecified)
            answer = static_cast<int>(marker);
        if (style.CurveStyleFont(font) == IsValueSpecifiedEnum::kSpecified)
            answer = static_cast<int>(font);
        if (style.CurveStyleFillArea(fill) == IsValueSpecifiedEnum::kSpecified)
            answer = static_cast<int>(fill);
        EXPECT_EQ(answer, c.expected);
    }
}

TEST_F(RenderStyleTest, NonNumericScalarsSetZeroAndAreReported) {
    LoadSets(R"(<StyleSet><IRenderStyle ID="s" CurveStyleWidth="wide">
        <StyleShininess Shininess="shiny"/><StyleShaderType ShaderType="x"/>
        </IRenderStyle></StyleSet>)");
    double value = 5;
    int shader = 5;
    EXPECT_EQ(Style("s").Shininess(value), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(value, 0.0);
    value = 5;
    EXPECT_EQ(Style("s").CurveStyleWidth(value), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(Style("s").ShaderType(shader), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(shader, 0);
    EXPECT_EQ(Count(DiagnosticCode::kUnparsableValue), 3u);
}

TEST_F(RenderStyleTest, AnAssetMovesIntoExactlyOneStyle) {
    m_dir.Write("assets.bin", Writer::AmbrelAssetFileWriter()
                                  .AddAsset("s", "bytes of s")
                                  .AddAsset("nobody", "left over")
                                  .Bytes());
    // The same style listed by two files: the second finds the id held and no asset left.
    LoadSets(R"(<StyleSet><IRenderStyle ID="s" Label="Paint"><AmbrelStyleInfo AmbrelLibraryId="lib"
          AmbrelAssetDefinitionId="def" AmbrelAssetInstanceVersionGUID="g"/>
        <DiffuseColor FractionRed="1" FractionGreen="0" FractionBlue="0" Shininess="0.5"/>
        <StyleReflection Reflection="1"/></IRenderStyle></StyleSet>)",
             AssetSection("assets.bin") +
                 R"(<IFile ID="g"><AttributeSet><StyleSet><IRenderStyle ID="s"/></StyleSet>
                 </AttributeSet></IFile>)");
    const auto* style = Find<IAmbrelRenderStyle>("s");
    ASSERT_NE(style, nullptr);
    std::string_view bytes;
    ASSERT_EQ(style->SerializedAsset(bytes), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(bytes, "bytes of s");
    UTF16String text;
    EXPECT_EQ(style->AssetDefinitionId(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"def"));
    double value = 0;
    EXPECT_EQ(style->Shininess(value), IsValueSpecifiedEnum::kSpecified);
    // Asset-backed styles read no reflection.
    EXPECT_EQ(style->Reflection(value), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_TRUE(m_context->Context().Cache().ambrelAssets.count(UTF8String("s")) == 0);
    EXPECT_EQ(Count(DiagnosticCode::kUnresolvedReference), 1u);
}

TEST_F(RenderStyleTest, AMissingOrDamagedAssetFileIsReportedAndStylesStillLoad) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged);
        if (damaged)
            m_dir.Write("assets.bin", "\x01\x00\x00");
        LoadSets(R"(<StyleSet><IRenderStyle ID="s"><AmbrelStyleInfo/></IRenderStyle></StyleSet>)",
                 AssetSection(damaged ? "assets.bin" : "missing.bin"));
        std::string_view bytes;
        ASSERT_NE(Find<IAmbrelRenderStyle>("s"), nullptr);
        EXPECT_EQ(Find<IAmbrelRenderStyle>("s")->SerializedAsset(bytes),
                  IsValueSpecifiedEnum::kUnspecified);
        EXPECT_GE(Count(DiagnosticCode::kSideFileUnreadable), 1u);
    }
}

TEST_F(RenderStyleTest, AMaterialXStyleKeepsItsDocumentAndFiles) {
    LoadSets(R"(<StyleSet><IRenderStyle ID="m"><MaterialXStyleInfo>
        <materialx version="1.38"><nodegraph name="g"/></materialx>
        <FilesReference SourceFilePath="a.png" ResolvedFilePath="tex/a.png"/>
        <FilesReference SourceFilePath="b.png" ResolvedFilePath="/abs/b.png"/>
        <FilesReference SourceFilePath="c.png"/>
        <FilesReference SourceFilePath="d.png" ResolvedFilePath="tex/../../d.png"/>
        </MaterialXStyleInfo></IRenderStyle></StyleSet>)");
    const auto* style = Find<IMaterialXRenderStyle>("m");
    ASSERT_NE(style, nullptr);
    Blob content;
    ASSERT_EQ(style->MaterialXContent(content), IsValueSpecifiedEnum::kSpecified);
    const std::string text(reinterpret_cast<const char*>(content.Data()), content.Size());
    EXPECT_EQ(text, R"(<materialx version="1.38"><nodegraph name="g"/></materialx>)");
    ASSERT_EQ(style->FileReferenceCount(), 4u);
    UTF16String source, resolved;
    const std::string folder = m_context->SideFileDirectory().ToUTF8();
    const std::string expected[] = {folder + "/tex/a.png", "/abs/b.png", "",
                                    folder + "/tex/../../d.png"};
    for (std::uint64_t i = 0; i < 4; ++i) {
        ASSERT_TRUE(style->FileReferenceAt(i, source, resolved));
        EXPECT_EQ(resolved.ToUTF8(), expected[i]);
    }
    EXPECT_FALSE(style->FileReferenceAt(4, source, resolved));
    // The paths leading out are still answered, and the host is told.
    std::vector<std::string> outside;
    for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
        if (entry.code == DiagnosticCode::kOutsideDocumentFolder)
            outside.push_back(entry.element.Value() + " " + entry.message.Value());
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_NE(outside[0].find("FilesReference the file reference \"/abs/b.png\""),
              std::string::npos);
    EXPECT_NE(outside[1].find("/tex/../../d.png"), std::string::npos);
}

// Under an id prefix a texture gets a new id, and the styles naming it follow.
TEST_F(RenderStyleTest, TextureReferencesFollowTheTexturesUnderAnIdPrefix) {
    LoadSets(R"(<TextureSet><IMaterialTexture ID="t1"/></TextureSet>
        <StyleSet><IRenderStyle ID="s"><DiffuseTexture TextureId="t1"/></IRenderStyle></StyleSet>)",
             "", "p");
    const IdSet textures = Find<IFile>("p1") ? Find<IFile>("p1")->TextureSet() : IdSet();
    ASSERT_EQ(textures.Size(), 1u);
    const UTF8String textureId = textures.At(0);
    EXPECT_NE(textureId, UTF8String("t1"));
    const IdSet styles = Find<IFile>("p1")->StyleSet();
    ASSERT_EQ(styles.Size(), 1u);
    UTF8String named;
    ASSERT_EQ(Find<IRenderStyle>(styles.At(0).Value())->DiffuseTexture(named),
              IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(named, textureId);
    EXPECT_NE(Find<IMaterialTexture>(named.Value()), nullptr);
}

} // namespace
} // namespace Orvik::Test
