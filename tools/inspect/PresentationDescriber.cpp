#include "PresentationDescriber.h"

#include "MaterialDataDescriber.h"
#include "ValueFormatter.h"

#include <vector>

namespace Orvik::Inspect {
namespace {

// The image is read only up to this size; a larger one shows its declared size only.
constexpr int kLargestImageRead = 64 << 20;

template <typename Object, typename Value, typename Format>
void SetIf(ObjectDescription& out, const char* name, const Object& object,
           IsValueSpecifiedEnum (Object::*getter)(Value&) const, Format format) {
    Value value{};
    if ((object.*getter)(value) == IsValueSpecifiedEnum::kSpecified)
        out.Set(name, format(value));
}

Json Number(double value) {
    return ValueFormatter::Number(value);
}

Json Whole(int value) {
    return value;
}

Json Rgba(const Color& colour) {
    return ValueFormatter::Rgba(colour);
}

template <typename Enum>
Json EnumNumber(Enum value) {
    return static_cast<int>(value);
}

// A texture id, which the walk visits as well.
void SetTexture(ObjectDescription& out, const char* name, const IRenderStyle& style,
                IsValueSpecifiedEnum (IRenderStyle::*getter)(UTF8String&) const) {
    UTF8String id;
    if ((style.*getter)(id) != IsValueSpecifiedEnum::kSpecified)
        return;
    out.Set(name, ValueFormatter::Text(id));
    out.Refer(IdSet{id});
}

template <typename Object, typename Value>
void SetPair(ObjectDescription& out, const char* name, const Object& object,
             IsValueSpecifiedEnum (Object::*getter)(Value&, Value&) const, const char* first,
             const char* second) {
    Value a{};
    Value b{};
    if ((object.*getter)(a, b) == IsValueSpecifiedEnum::kSpecified)
        out.Set(name,
                Json{{first, ValueFormatter::Number(a)}, {second, ValueFormatter::Number(b)}});
}

} // namespace

void PresentationDescriber::DescribeStyleValues(const IRenderStyle& style, ObjectDescription& out) {
    using S = IRenderStyle;
    SetIf(out, "DiffuseColor", style, &S::DiffuseColor, Rgba);
    SetIf(out, "DiffuseFactor", style, &S::DiffuseFactor, Number);
    SetTexture(out, "DiffuseTexture", style, &S::DiffuseTexture);
    SetIf(out, "AmbientColor", style, &S::AmbientColor, Rgba);
    SetIf(out, "AmbientFactor", style, &S::AmbientFactor, Number);
    SetTexture(out, "AmbientTexture", style, &S::AmbientTexture);
    SetIf(out, "EmissionColor", style, &S::EmissionColor, Rgba);
    SetIf(out, "EmissionFactor", style, &S::EmissionFactor, Number);
    SetTexture(out, "EmissionTexture", style, &S::EmissionTexture);
    SetIf(out, "SpecularColor", style, &S::SpecularColor, Rgba);
    SetIf(out, "SpecularFactor", style, &S::SpecularFactor, Number);
    SetTexture(out, "SpecularTexture", style, &S::SpecularTexture);
    SetTexture(out, "BumpMap", style, &S::BumpMap);
    SetTexture(out, "CutoutTexture", style, &S::CutoutTexture);
    SetTexture(out, "TransparencyTexture", style, &S::TransparencyTexture);
    SetIf(out, "TransparencyColor", style,
          static_cast<IsValueSpecifiedEnum (S::*)(Color&) const>(&S::Transparency), Rgba);
    SetIf(out, "Transparency", style,
          static_cast<IsValueSpecifiedEnum (S::*)(double&) const>(&S::Transparency), Number);
    SetIf(out, "Shininess", style, &S::Shininess, Number);
    SetIf(out, "Reflection", style, &S::Reflection, Number);
    SetIf(out, "Eccentricity", style, &S::Eccentricity, Number);
    SetIf(out, "Rolloff", style, &S::Rolloff, Number);
    SetIf(out, "ShaderType", style, &S::ShaderType, Whole);
    SetIf(out, "PointStyleMarker", style, &S::PointStyleMarker,
          EnumNumber<S::PointStyleMarkerTypeEnum>);
    SetIf(out, "PointStyleMarkerSize", style, &S::PointStyleMarkerSize, Number);
    SetIf(out, "CurveStyleFont", style, &S::CurveStyleFont, EnumNumber<S::CurveStyleFontTypeEnum>);
    SetIf(out, "CurveStyleWidth", style, &S::CurveStyleWidth, Number);
    SetIf(out, "CurveStyleFillArea", style, &S::CurveStyleFillArea,
          EnumNumber<S::CurveStyleFillTypeEnum>);
}

void PresentationDescriber::Describe(const IRenderStyle& style, ObjectDescription& out) {
    out.Begin(style, "IRenderStyle");
    DescribeStyleValues(style, out);
}

void PresentationDescriber::Describe(const IAmbrelRenderStyle& style, ObjectDescription& out) {
    out.Begin(style, "IAmbrelRenderStyle");
    DescribeStyleValues(style, out);
    std::string_view asset;
    if (style.SerializedAsset(asset) == IsValueSpecifiedEnum::kSpecified)
        out.Set("SerializedAsset", Json{{"size", static_cast<std::uint64_t>(asset.size())}});
    using S = IAmbrelRenderStyle;
    const auto text = [](const UTF16String& value) { return ValueFormatter::Text(value); };
    SetIf(out, "AmbrelLibraryId", style, &S::AmbrelLibraryId, text);
    SetIf(out, "AssetDefinitionId", style, &S::AssetDefinitionId, text);
    SetIf(out, "AssetInstanceVersionGUID", style, &S::AssetInstanceVersionGUID, text);
}

void PresentationDescriber::Describe(const IMaterialXRenderStyle& style, ObjectDescription& out) {
    out.Begin(style, "IMaterialXRenderStyle");
    DescribeStyleValues(style, out);
    Blob content;
    if (style.MaterialXContent(content) == IsValueSpecifiedEnum::kSpecified)
        out.Set("MaterialXContent",
                std::string(reinterpret_cast<const char*>(content.Data()), content.Size()));
    out.Set("FileReferenceCount", style.FileReferenceCount());
    out.Set("FileReferenceAt",
            ValueFormatter::Indexed(style.FileReferenceCount(), [&](std::uint64_t i) {
                UTF16String source;
                UTF16String resolved;
                style.FileReferenceAt(i, source, resolved);
                return Json{{"source", ValueFormatter::Text(source)},
                            {"resolved", ValueFormatter::Text(resolved)}};
            }));
}

void PresentationDescriber::Describe(const IMaterial& material, ObjectDescription& out) {
    out.Begin(material, "IMaterial");
    const auto text = [](const UTF16String& value) { return ValueFormatter::Text(value); };
    SetIf(out, "Description", material, &IMaterial::Description, text);
    SetIf(out, "Category", material, &IMaterial::Category, text);
    const IMaterialData* data = nullptr;
    if (material.MaterialData(data) == IsValueSpecifiedEnum::kSpecified && data != nullptr) {
        std::vector<UTF8String> materials;
        out.Set("MaterialData", MaterialDataDescriber::Describe(*data, materials));
        IdSet referred;
        for (const UTF8String& id : materials)
            referred.AddWithUniquenessCheck(id);
        out.Refer(referred);
    }
    out.SetIds("Styles", material.Styles());
}

void PresentationDescriber::DescribeTextureValues(const IMaterialTexture& texture,
                                                  ObjectDescription& out) {
    using T = IMaterialTexture;
    SetIf(out, "TextureType", texture, &T::TextureType, Whole);
    SetIf(out, "TextureFileReference", texture, &T::TextureFileReference,
          [](const UTF16String& path) { return ValueFormatter::Text(path); });
    int size = 0;
    if (texture.EmbeddedTextureImageSize(size) == IsValueSpecifiedEnum::kSpecified) {
        out.Set("EmbeddedTextureImageSize", size);
        if (size >= 0 && size <= kLargestImageRead) {
            std::vector<std::uint8_t> image(static_cast<std::size_t>(size) + 1);
            if (texture.EmbeddedTextureImage(size, image.data()) ==
                IsValueSpecifiedEnum::kSpecified)
                out.Set("EmbeddedTextureImage", Json{{"size", size}});
        }
    }
    SetIf(out, "EmbeddedTextureImageType", texture, &T::EmbeddedTextureImageType, Whole);
    int width = 0;
    int height = 0;
    if (texture.TextureDimensions(width, height) == IsValueSpecifiedEnum::kSpecified)
        out.Set("TextureDimensions", Json{{"width", width}, {"height", height}});
    SetPair(out, "TextureCenter", texture, &T::TextureCenter, "x", "y");
    SetPair(out, "TextureOffset", texture, &T::TextureOffset, "x", "y");
    SetPair(out, "TextureScale", texture, &T::TextureScale, "x", "y");
    SetPair(out, "TextureSizeForScale", texture, &T::TextureSizeForScale, "width", "height");
    SetIf(out, "RotateAngle", texture, &T::RotateAngle, Number);
    SetIf(out, "ProjectType", texture, &T::ProjectType, Whole);
    SetIf(out, "ProcedureU", texture, &T::ProcedureU, Whole);
    SetIf(out, "RepeatU", texture, &T::RepeatU, Number);
    SetIf(out, "ProcedureV", texture, &T::ProcedureV, Whole);
    SetIf(out, "RepeatV", texture, &T::RepeatV, Number);
    SetIf(out, "ProceduralName", texture, &T::ProceduralName,
          [](const UTF16String& name) { return ValueFormatter::Text(name); });
}

void PresentationDescriber::Describe(const IMaterialTexture& texture, ObjectDescription& out) {
    out.Begin(texture, "IMaterialTexture");
    DescribeTextureValues(texture, out);
}

void PresentationDescriber::Describe(const IDecalMaterialTexture& decal, ObjectDescription& out) {
    out.Begin(decal, "IDecalMaterialTexture");
    DescribeTextureValues(decal, out);
    SetIf(out, "Transparency", decal, &IDecalMaterialTexture::Transparency, Number);
}

} // namespace Orvik::Inspect
