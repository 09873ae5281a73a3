#include "PresentationSample.h"

#include "orvik/writer/AmbrelAssetFileWriter.h"
#include "orvik/writer/CFile.h"

#include <filesystem>

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

constexpr const char* kAssetFile = "render-assets.bin";
constexpr const char* kWoodTexture = "wood.png";
// Stored in the archive as "grain_maple.png", the spelling an unpacking step gives the name.
constexpr const char* kMapleTexture = "grain|maple.png";
constexpr const char* kMapleStored = "grain_maple.png";
constexpr const char* kEmbeddedImage = "embedded-image.bin";

void Colour(XmlDocumentBuilder& b, const char* name, const char* r, const char* g, const char* bl,
            std::initializer_list<std::pair<std::string, std::string>> more = {}) {
    b.Open(name)
        .Attribute("FractionRed", r)
        .Attribute("FractionGreen", g)
        .Attribute("FractionBlue", bl);
    for (const auto& [attribute, value] : more)
        b.Attribute(attribute, value);
    b.Close();
}

void WriteTextures(XmlDocumentBuilder& b) {
    b.Open("TextureSet");
    b.Open("IMaterialTexture")
        .Attribute("ID", "tex-wood")
        .Attribute("Label", "Oak")
        .Attribute("TextureType", "1")
        .Attribute("TextureFileReference", kWoodTexture)
        .Attribute("RotateAngle", "90")
        .Attribute("ProjectType", "2")
        .Attribute("ProcedureU", "1")
        .Attribute("RepeatU", "2")
        .Attribute("ProcedureV", "1")
        .Attribute("RepeatV", "3")
        .Attribute("VersionPersistentId", "tex-wood-v1");
    b.Element("TextureDimensions", {{"Width", "256"}, {"Height", "128"}});
    b.Element("TextureCenter", {{"X", "0.5"}, {"Y", "0.5"}});
    b.Element("TextureOffset", {{"X", "0.1"}, {"Y", "0.2"}});
    b.Element("TextureScale", {{"X", "2"}, {"Y", "2"}});
    b.Close();
    b.Element("IMaterialTexture",
              {{"ID", "tex-maple"}, {"Label", "Maple"}, {"TextureFileReference", kMapleTexture}});
    b.Element("IMaterialTexture", {{"ID", "tex-embedded"},
                                   {"Label", "Badge"},
                                   {"EmbeddedTextureImageSize", "6"},
                                   {"EmbeddedTextureImageType", "3"},
                                   {"TempFilePath", kEmbeddedImage},
                                   {"ProceduralName", "checker"}});
    b.Element("IDecalMaterialTexture", {{"ID", "decal-logo"},
                                        {"Label", "Logo"},
                                        {"TextureType", "4"},
                                        {"TextureFileReference", kWoodTexture},
                                        {"Transparency", "0.25"}});
    b.Close();
}

void WritePlainStyle(XmlDocumentBuilder& b) {
    b.Open("IRenderStyle")
        .Attribute("ID", "style-steel")
        .Attribute("Label", "Brushed steel")
        .Attribute("VersionPersistentId", "style-steel-v2")
        .Attribute("PointStyleMarkerType", "kPointStyleMarkerType_FilledCircle")
        .Attribute("PointStyleMarkerSize", "4")
        .Attribute("CurveStyleFont", "kCurveStyleFontType_ISO_DashDot")
        .Attribute("CurveStyleWidth", "0.35")
        .Attribute("CurveStyleFillArea", "kCurveStyleFillType_Solid");
    b.TextElement("ChangeKey", "steel-7");
    Colour(b, "DiffuseColor", "0.6", "0.62", "0.65", {{"DiffuseFactor", "0.9"}});
    Colour(b, "AmbientColor", "0.1", "0.1", "0.1", {{"AmbientFactor", "0.3"}});
    Colour(b, "EmissionColor", "0", "0", "0", {{"EmissionFactor", "0"}});
    Colour(b, "SpecularColor", "1", "1", "1", {{"SpecularFactor", "0.8"}});
    Colour(b, "TransparencyColor", "1", "1", "1", {{"FractionAlpha", "0.1"}});
    for (const char* texture : {"DiffuseTexture", "AmbientTexture", "EmissionTexture",
                                "SpecularTexture", "CutoutTexture", "TransparencyTexture"})
        b.Element(texture, {{"TextureId", "tex-wood"}});
    b.Element("BumpMap", {{"TextureId", "tex-maple"}});
    b.Element("StyleShininess", {{"Shininess", "0.7"}});
    b.Element("StyleReflection", {{"Reflection", "0.4"}});
    b.Element("StyleEccentricity", {{"Eccentricity", "0.2"}});
    b.Element("StyleRolloff", {{"Rolloff", "0.5"}});
    b.Element("StyleTransparency", {{"Transparency", "0.1"}});
    b.Element("StyleShaderType", {{"ShaderType", "2"}});
    b.Close();
}

void WriteStyles(XmlDocumentBuilder& b) {
    b.Open("StyleSet");
    WritePlainStyle(b);
    b.Open("IRenderStyle").Attribute("ID", "style-paint").Attribute("Label", "Red paint");
    b.Element("AmbrelStyleInfo", {{"AmbrelLibraryId", "library-1"},
                                  {"AmbrelAssetDefinitionId", "paint-gloss"},
                                  {"AmbrelAssetInstanceVersionGUID", "0F1E2D3C"}});
    Colour(b, "DiffuseColor", "0.8", "0.1", "0.1",
           {{"DiffuseFactor", "1"}, {"Shininess", "0.9"}, {"Transparency", "0"}});
    Colour(b, "SpecularColor", "1", "1", "1", {{"SpecularFactor", "0.5"}});
    b.Close();
    b.Open("IRenderStyle").Attribute("ID", "style-glass").Attribute("Label", "Glass");
    b.Open("MaterialXStyleInfo");
    b.Raw(R"(<materialx version="1.38"><standard_surface name="glass" type="surfaceshader"/>)"
          R"(</materialx>)");
    b.Element("FilesReference",
              {{"SourceFilePath", "glass.mtlx"}, {"ResolvedFilePath", "materials/glass.mtlx"}});
    b.Close().Close();
    b.Close();
}

void WriteMaterials(XmlDocumentBuilder& b) {
    b.Open("MaterialSet");
    b.Open("IMaterial")
        .Attribute("ID", "mat-brick")
        .Attribute("Label", "Brick")
        .Attribute("Category", "Masonry")
        .Attribute("Description", "Clay brick");
    b.Open("Styles").Element("StyleRef", {{"ID", "style-paint"}}).Close();
    b.Open("IMaterialPieceSetData").Attribute("Name", "Mix");
    b.Open("MaterialChildSet");
    b.Open("IMaterialPieceData").Attribute("Name", "Clay").Attribute("Fraction", "0.8");
    b.Element("MaterialRef", {{"ID", "mat-insulation"}});
    b.Close();
    b.Element("IMaterialPieceData", {{"Name", "Sand"}, {"Fraction", "0.2"}, {"Category", "Fill"}});
    b.Close().Close();
    b.Close();
    b.Open("IMaterial").Attribute("ID", "mat-wall").Attribute("Label", "Cavity wall");
    b.Open("IMaterialLayerSetData").Attribute("Name", "Wall build-up");
    b.Element("TotalThickness", {{"LengthUnit", "kUnitType_Millimeter"}, {"Value", "350"}});
    b.Open("MaterialChildSet");
    b.Open("IMaterialLayerData")
        .Attribute("Name", "Outer leaf")
        .Attribute("StartOffset", "0")
        .Attribute("EndOffset", "0")
        .Attribute("isVentilated", "False")
        .Attribute("Priority", "1")
        .Attribute("Category", "Structure");
    b.Element("MaterialRef", {{"ID", "mat-brick"}});
    b.Element("LayerThickness", {{"LengthUnit", "kUnitType_Millimeter"}, {"Value", "100"}});
    b.TextElement("OffsetDir", "0 0 1");
    b.Close();
    b.Open("IMaterialLayerData").Attribute("Name", "Cavity").Attribute("isVentilated", "True");
    b.Element("LayerThickness", {{"LengthUnit", "kUnitType_Millimeter"}, {"Value", "50"}});
    b.Close();
    b.Close().Close();
    b.Close();
    b.Open("IMaterial").Attribute("ID", "mat-frame").Attribute("Label", "Frame");
    b.Open("IMaterialProfileSetData")
        .Attribute("Name", "Frame profiles")
        .Attribute("ProfileLengthUnit", "kUnitType_Millimeter");
    b.Open("MaterialChildSet");
    b.Open("IMaterialProfileData")
        .Attribute("Name", "Mullion")
        .Attribute("ProfileLengthUnit", "kUnitType_Millimeter")
        .Attribute("Priority", "2")
        .Attribute("StartOffset", "5")
        .Attribute("EndOffset", "5");
    b.Element("MaterialRef", {{"ID", "mat-brick"}});
    b.Close();
    b.Close().Close();
    b.Close();
    b.Open("IMaterial").Attribute("ID", "mat-insulation").Attribute("Label", "Insulation");
    b.Open("IMaterialLayerData").Attribute("Name", "Batt");
    b.Element("LayerThickness", {{"LengthUnit", "kUnitType_Millimeter"}, {"Value", "50"}});
    b.Close();
    b.Close();
    b.Open("IMaterial").Attribute("ID", "mat-timber").Attribute("Label", "Timber");
    b.Element("IMaterialPieceData", {{"Name", "Oak"}, {"Fraction", "1"}});
    b.Close();
    b.Open("IMaterial").Attribute("ID", "mat-steel").Attribute("Label", "Steel");
    b.Element("IMaterialProfileData",
              {{"Name", "I-beam"}, {"ProfileLengthUnit", "kUnitType_Millimeter"}});
    b.Close();
    b.Close();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    Writer::CFile file(path, "wb");
    file.WriteAll(bytes);
    file.Close();
}

} // namespace

void PresentationSample::WriteSection(XmlDocumentBuilder& b) {
    b.Element("AmbrelMaterialInfo", {{"GenerateSerializedAmbrel", "True"}, {"Path", kAssetFile}});
}

void PresentationSample::WriteAttributeSet(XmlDocumentBuilder& b) {
    b.Open("AttributeSet");
    WriteTextures(b);
    WriteStyles(b);
    WriteMaterials(b);
    b.Close();
}

void PresentationSample::WriteFiles(const std::string& folder, Writer::ZipPacker& packer) {
    const std::filesystem::path base(folder);
    const std::string assets =
        Writer::AmbrelAssetFileWriter().AddAsset("style-paint", "GLOSS-PAINT-ASSET").Bytes();
    const std::pair<const char*, std::string> files[] = {
        {kAssetFile, assets},
        {kWoodTexture, "\x89PNG wood"},
        {kEmbeddedImage, "BADGE!"},
    };
    for (const auto& [name, bytes] : files) {
        WriteBytes((base / name).string(), bytes);
        packer.AddBuffer(name, bytes);
    }
    packer.AddBuffer(kMapleStored, "\x89PNG maple");
}

} // namespace Orvik::Sample
