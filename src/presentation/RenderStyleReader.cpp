#include "presentation/RenderStyleReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "loader/StyleNameTables.h"
#include "presentation/MaterialXContent.h"
#include "presentation/StyleValueReader.h"
#include "xml_util/XMLAmbrelStyle.h"
#include "xml_util/XMLMaterialXStyle.h"
#include "xml_util/XMLStyle.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;
using PlainBase = XMLRenderStyleBase<IRenderStyle>;
using AmbrelBase = XMLRenderStyleBase<IAmbrelRenderStyle>;

template <typename Style>
struct ColourRow {
    const XMLCh* name;
    void (Style::*colour)(const Color&);
    void (Style::*factor)(double);
    const XMLCh* factorName;
};

template <typename Style>
struct ScalarRow {
    const XMLCh* element;
    const XMLCh* attribute;
    void (Style::*set)(double);
};

template <typename Style>
struct TextureRow {
    const XMLCh* name;
    void (Style::*set)(const UTF8String&);
};

template <typename Style>
constexpr void (Style::*kSetTransparency)(double) = &Style::SetTransparency;

template <typename Style>
const ColourRow<Style> kColourRows[] = {
    {u"DiffuseColor", &Style::SetDiffuseColor, &Style::SetDiffuseFactor, u"DiffuseFactor"},
    {u"AmbientColor", &Style::SetAmbientColor, &Style::SetAmbientFactor, u"AmbientFactor"},
    {u"EmissionColor", &Style::SetEmissionColor, &Style::SetEmissionFactor, u"EmissionFactor"},
    {u"SpecularColor", &Style::SetSpecularColor, &Style::SetSpecularFactor, u"SpecularFactor"},
};

const ScalarRow<PlainBase> kPlainScalars[] = {
    {u"StyleShininess", u"Shininess", &PlainBase::SetShininess},
    {u"StyleReflection", u"Reflection", &PlainBase::SetReflection},
    {u"StyleEccentricity", u"Eccentricity", &PlainBase::SetEccentricity},
    {u"StyleRolloff", u"Rolloff", &PlainBase::SetRolloff},
    {u"StyleTransparency", u"Transparency", kSetTransparency<PlainBase>},
};

const ScalarRow<AmbrelBase> kAmbrelScalars[] = {
    {u"StyleShininess", u"Shininess", &AmbrelBase::SetShininess},
    {u"StyleTransparency", u"Transparency", kSetTransparency<AmbrelBase>},
};

const TextureRow<PlainBase> kTextureRows[] = {
    {u"DiffuseTexture", &PlainBase::SetDiffuseTexture},
    {u"AmbientTexture", &PlainBase::SetAmbientTexture},
    {u"EmissionTexture", &PlainBase::SetEmissionTexture},
    {u"SpecularTexture", &PlainBase::SetSpecularTexture},
    {u"BumpMap", &PlainBase::SetBumpMap},
    {u"CutoutTexture", &PlainBase::SetCutoutTexture},
    {u"TransparencyTexture", &PlainBase::SetTransparencyTexture},
};

// The shading attributes that the older form of "DiffuseColor" carried along.
const ScalarRow<PlainBase> kOlderDiffuseScalars[] = {
    {nullptr, u"Shininess", &PlainBase::SetShininess},
    {nullptr, u"Reflection", &PlainBase::SetReflection},
    {nullptr, u"Eccentricity", &PlainBase::SetEccentricity},
    {nullptr, u"Rolloff", &PlainBase::SetRolloff},
    {nullptr, u"Transparency", kSetTransparency<PlainBase>},
};
const ScalarRow<PlainBase> kOlderDiffuseFactors[] = {
    {nullptr, u"AmbientFactor", &PlainBase::SetAmbientFactor},
    {nullptr, u"EmissionFactor", &PlainBase::SetEmissionFactor},
    {nullptr, u"SpecularFactor", &PlainBase::SetSpecularFactor},
};

// The reading of one style element, shared by the three kinds.
template <typename Style>
class StyleElementReading {
public:
    StyleElementReading(ReadContext& context, Style& style)
        : m_context(context)
        , m_style(style)
        , m_values(context) {}

    // "ExtensionData" and "ChangeKey".
    bool ReadCommonChild(const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"ExtensionData")) {
            ElementReaders::AddExtensionData(m_context, child, m_style);
            return true;
        }
        if (ElementWalk::IsNamed(child, u"ChangeKey")) {
            m_style.SetChangeKey(UTF16String(child.getTextContent()));
            return true;
        }
        return false;
    }

    template <std::size_t N>
    bool ReadColourChild(const DOMElement& child, const ColourRow<Style> (&rows)[N]) {
        for (const ColourRow<Style>& row : rows) {
            if (!ElementWalk::IsNamed(child, row.name))
                continue;
            if (const auto colour = StyleValueReader::ReadColour(child))
                (m_style.*row.colour)(*colour);
            if (const auto factor = StyleValueReader::ReadFactor(child, row.factorName))
                (m_style.*row.factor)(*factor);
            return true;
        }
        return false;
    }

    template <std::size_t N>
    bool ReadScalarChild(const DOMElement& child, const ScalarRow<Style> (&rows)[N]) {
        for (const ScalarRow<Style>& row : rows) {
            if (!ElementWalk::IsNamed(child, row.element))
                continue;
            ReadScalars(child, &row, 1);
            return true;
        }
        return false;
    }

    // Each row's attribute of the one element, whenever present.
    void ReadScalars(const DOMElement& element, const ScalarRow<Style>* rows, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            if (const auto value = m_values.ReadScalar(element, rows[i].attribute))
                (m_style.*rows[i].set)(*value);
    }
    // Each row's attribute of the one element, only when it is a number.
    void ReadFactors(const DOMElement& element, const ScalarRow<Style>* rows, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            if (const auto value = StyleValueReader::ReadFactor(element, rows[i].attribute))
                (m_style.*rows[i].set)(*value);
    }

    const StyleValueReader& Values() const { return m_values; }

private:
    ReadContext& m_context;
    Style& m_style;
    StyleValueReader m_values;
};

bool HasChildNamed(const DOMElement& element, const XMLCh* name) {
    for (const xercesc::DOMNode* node = element.getFirstChild(); node;
         node = node->getNextSibling())
        if (node->getNodeType() == xercesc::DOMNode::ELEMENT_NODE &&
            ElementWalk::IsNamed(*node, name))
            return true;
    return false;
}

void ReadVersionPersistentId(const DOMElement& element, XMLObject& style) {
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        style.SetVersionPersistentId(versionId);
}

// The older "DiffuseColor": texture, shading values and transparency colours ride along.
void ReadOlderDiffuse(StyleElementReading<PlainBase>& reading, const DOMElement& diffuse,
                      XMLStyle& style) {
    if (const auto texture = reading.Values().ReadTextureReference(diffuse))
        style.SetDiffuseTexture(*texture);
    reading.ReadScalars(diffuse, kOlderDiffuseScalars, std::size(kOlderDiffuseScalars));
    if (const auto shader = reading.Values().ReadInteger(diffuse, u"ShaderType"))
        style.SetShaderType(*shader);
    reading.ReadFactors(diffuse, kOlderDiffuseFactors, std::size(kOlderDiffuseFactors));
    ElementWalk::ForEachChildElement(diffuse, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"TransparencyRGB"))
            if (const auto colour = StyleValueReader::ReadColour(child))
                style.SetTransparency(*colour);
    });
}

void ReadPlainChild(StyleElementReading<PlainBase>& reading, const DOMElement& child,
                    XMLStyle& style) {
    if (reading.ReadCommonChild(child))
        return;
    if (reading.ReadColourChild(child, kColourRows<PlainBase>)) {
        if (ElementWalk::IsNamed(child, u"DiffuseColor"))
            ReadOlderDiffuse(reading, child, style);
        return;
    }
    if (reading.ReadScalarChild(child, kPlainScalars))
        return;
    for (const TextureRow<PlainBase>& row : kTextureRows) {
        if (ElementWalk::IsNamed(child, row.name)) {
            if (const auto texture = reading.Values().ReadTextureReference(child))
                (style.*row.set)(*texture);
            return;
        }
    }
    if (ElementWalk::IsNamed(child, u"TransparencyColor")) {
        if (const auto colour = StyleValueReader::ReadColour(child))
            style.SetTransparency(*colour);
    } else if (ElementWalk::IsNamed(child, u"StyleShaderType")) {
        if (const auto shader = reading.Values().ReadInteger(child, u"ShaderType"))
            style.SetShaderType(*shader);
    }
}

// The point and curve display of a plain style; unknown names set nothing.
void ReadDisplayAttributes(ReadContext& context, const DOMElement& element, XMLStyle& style,
                           const StyleValueReader& values) {
    const StyleNameTables& names = context.StyleNames();
    std::uint32_t value = 0;
    UTF16String name;
    if (XMLUtils::GetNodeAttribute(&element, u"PointStyleMarkerType", name) &&
        names.LookupPointStyleMarkerType(name, value))
        style.SetPointStyleMarker(static_cast<IRenderStyle::PointStyleMarkerTypeEnum>(value));
    if (const auto size = values.ReadScalar(element, u"PointStyleMarkerSize"))
        style.SetPointStyleMarkerSize(*size);
    if (XMLUtils::GetNodeAttribute(&element, u"CurveStyleFont", name) &&
        names.LookupCurveStyleFontType(name, value))
        style.SetCurveStyleFont(static_cast<IRenderStyle::CurveStyleFontTypeEnum>(value));
    if (const auto width = values.ReadScalar(element, u"CurveStyleWidth"))
        style.SetCurveStyleWidth(*width);
    if (XMLUtils::GetNodeAttribute(&element, u"CurveStyleFillArea", name) &&
        names.LookupCurveStyleFillType(name, value))
        style.SetCurveStyleFillArea(static_cast<IRenderStyle::CurveStyleFillTypeEnum>(value));
}

std::unique_ptr<IObject> ReadPlain(ReadContext& context, const DOMElement& element,
                                   const UTF8String& id, const UTF16String& label) {
    auto style = std::make_unique<XMLStyle>(id, label);
    ReadVersionPersistentId(element, *style);
    StyleElementReading<PlainBase> reading(context, *style);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadPlainChild(reading, child, *style); });
    ReadDisplayAttributes(context, element, *style, reading.Values());
    return style;
}

void ReadAssetInfo(const DOMElement& info, XMLAmbrelStyle& style) {
    UTF16String text;
    if (XMLUtils::GetNodeAttribute(&info, u"AmbrelLibraryId", text))
        style.SetAmbrelLibraryId(text);
    if (XMLUtils::GetNodeAttribute(&info, u"AmbrelAssetDefinitionId", text))
        style.SetAssetDefinitionId(text);
    if (XMLUtils::GetNodeAttribute(&info, u"AmbrelAssetInstanceVersionGUID", text))
        style.SetAssetInstanceVersionGUID(text);
}

void ReadAmbrelChild(StyleElementReading<AmbrelBase>& reading, const DOMElement& child,
                     XMLAmbrelStyle& style) {
    if (reading.ReadCommonChild(child) || reading.ReadScalarChild(child, kAmbrelScalars))
        return;
    if (reading.ReadColourChild(child, kColourRows<AmbrelBase>)) {
        if (ElementWalk::IsNamed(child, u"DiffuseColor"))
            reading.ReadScalars(child, kAmbrelScalars, std::size(kAmbrelScalars));
        return;
    }
    if (ElementWalk::IsNamed(child, u"AmbrelStyleInfo"))
        ReadAssetInfo(child, style);
}

std::unique_ptr<IObject> ReadAmbrel(ReadContext& context, const DOMElement& element,
                                    const UTF8String& id, const UTF16String& label,
                                    AmbrelSerializedAssetMap& assets,
                                    const UTF8String& documentId) {
    auto style = std::make_unique<XMLAmbrelStyle>(id, label);
    // Moved out, so a second style with the same id finds none.
    const auto asset = assets.find(documentId);
    if (asset != assets.end()) {
        style->SetSerializedAsset(std::move(asset->second));
        assets.erase(asset);
    }
    ReadVersionPersistentId(element, *style);
    StyleElementReading<AmbrelBase> reading(context, *style);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadAmbrelChild(reading, child, *style); });
    return style;
}

std::unique_ptr<IObject> ReadMaterialX(ReadContext& context, const DOMElement& element,
                                       const UTF8String& id, const UTF16String& label) {
    auto style = std::make_unique<XMLMaterialXStyle>(id, label);
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& info) {
        if (ElementWalk::IsNamed(info, u"MaterialXStyleInfo"))
            MaterialXContent::Read(context, info, *style);
    });
    return style;
}

} // namespace

RenderStyleReader::Kind RenderStyleReader::KindOf(const DOMElement& style,
                                                  const AmbrelSerializedAssetMap& assets) {
    const UTF8String documentId(UTF16String(style.getAttribute(u"ID")));
    if (HasChildNamed(style, u"AmbrelStyleInfo") || assets.count(documentId) != 0)
        return Kind::kAmbrel;
    if (HasChildNamed(style, u"MaterialXStyleInfo"))
        return Kind::kMaterialX;
    return Kind::kPlain;
}

bool RenderStyleReader::ReadStyleSet(ReadContext& context, const DOMElement* set,
                                     AmbrelSerializedAssetMap& assets,
                                     std::vector<UTF8String>& ids) {
    if (set == nullptr)
        return false;
    ElementWalk::ForEachChildElement(*set, [&](const DOMElement& element) {
        if (!ElementWalk::IsNamed(element, u"IRenderStyle"))
            return;
        const UTF8String documentId(UTF16String(element.getAttribute(u"ID")));
        const UTF8String id = context.OwnId(element);
        ids.push_back(id);
        const UTF16String label(element.getAttribute(u"Label"));
        std::unique_ptr<IObject> style;
        switch (KindOf(element, assets)) {
        case Kind::kAmbrel:
            style = ReadAmbrel(context, element, id, label, assets, documentId);
            break;
        case Kind::kMaterialX:
            style = ReadMaterialX(context, element, id, label);
            break;
        case Kind::kPlain:
            style = ReadPlain(context, element, id, label);
            break;
        }
        if (context.Adopt(std::move(style)) == nullptr)
            context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
                           UTF8String("an object with the id \"" + id.Value() +
                                      "\" is held already; the style is left out"));
    });
    return true;
}

} // namespace Orvik
