#include "presentation/TextureSetReader.h"

#include "aec/NumericAttribute.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "presentation/TextureFileResolver.h"
#include "presentation/UnparsableValueReport.h"
#include "presentation/XMLDecalTexture.h"
#include "presentation/XMLTexture.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

// The number attributes of a texture, in the order they are read.
struct IntAttribute {
    const XMLCh* name;
    void (XMLTexture::*set)(int);
};
struct DoubleAttribute {
    const XMLCh* name;
    void (XMLTexture::*set)(double);
};

const IntAttribute kIntsBeforeReference[] = {{u"TextureType", &XMLTexture::SetTextureType}};
const IntAttribute kInts[] = {
    {u"EmbeddedTextureImageSize", &XMLTexture::SetEmbeddedTextureImageSize},
    {u"EmbeddedTextureImageType", &XMLTexture::SetEmbeddedTextureImageType},
    {u"ProjectType", &XMLTexture::SetProjectType},
    {u"ProcedureU", &XMLTexture::SetProcedureU},
    {u"ProcedureV", &XMLTexture::SetProcedureV},
};
const DoubleAttribute kDoubles[] = {
    {u"RotateAngle", &XMLTexture::SetRotateAngle},
    {u"RepeatU", &XMLTexture::SetRepeatU},
    {u"RepeatV", &XMLTexture::SetRepeatV},
};

void ReadInts(const DOMElement& element, XMLTexture& texture, const IntAttribute* begin,
              const IntAttribute* end, const NumericAttribute::ReportUnparsable& report) {
    for (const IntAttribute* row = begin; row != end; ++row) {
        int value = 0;
        if (NumericAttribute::ReadInt(element, row->name, value, report))
            (texture.*row->set)(value);
    }
}

void ReadDoubles(const DOMElement& element, XMLTexture& texture,
                 const NumericAttribute::ReportUnparsable& report) {
    for (const DoubleAttribute& row : kDoubles) {
        double value = 0.0;
        if (NumericAttribute::ReadDouble(element, row.name, value, report))
            (texture.*row.set)(value);
    }
}

bool IsTextureElement(const DOMElement& element) {
    return ElementWalk::IsNamed(element, u"IMaterialTexture") ||
           ElementWalk::IsNamed(element, u"IDecalMaterialTexture");
}

} // namespace

bool TextureSetReader::ReadTextureSet(ReadContext& context, const DOMElement* set,
                                      std::vector<UTF8String>& ids) {
    if (set == nullptr)
        return false;
    ElementWalk::ForEachChildElement(*set, [&](const DOMElement& element) {
        if (IsTextureElement(element))
            ReadTexture(context, element, ids);
    });
    return true;
}

void TextureSetReader::ReadTexture(ReadContext& context, const DOMElement& element,
                                   std::vector<UTF8String>& ids) {
    const UTF8String id = context.OwnId(element);
    ids.push_back(id);
    auto texture = std::make_unique<XMLTexture>(id, UTF16String(element.getAttribute(u"Label")));
    ReadAttributes(context, element, *texture);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadChild(context, child, *texture); });
    std::unique_ptr<IObject> object;
    if (ElementWalk::IsNamed(element, u"IDecalMaterialTexture")) {
        auto decal = std::make_unique<XMLDecalTexture>(std::move(texture));
        double transparency = 0.0;
        if (NumericAttribute::ReadDouble(element, u"Transparency", transparency,
                                         UnparsableValueReport::For(context)))
            decal->SetTransparency(transparency);
        object = std::move(decal);
    } else {
        object = std::move(texture);
    }
    if (context.Adopt(std::move(object)) == nullptr)
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
                       UTF8String("an object with the id \"" + id.Value() +
                                  "\" is held already; the texture is left out"));
}

void TextureSetReader::ReadAttributes(ReadContext& context, const DOMElement& element,
                                      XMLTexture& texture) {
    const NumericAttribute::ReportUnparsable report = UnparsableValueReport::For(context);
    const TextureFileResolver files(context, element);
    ReadInts(element, texture, std::begin(kIntsBeforeReference), std::end(kIntsBeforeReference),
             report);
    UTF16String text;
    if (XMLUtils::GetNodeAttribute(&element, u"TextureFileReference", text))
        texture.SetTextureFileReference(files.ResolveFileReference(text));
    ReadInts(element, texture, std::begin(kInts), std::end(kInts), report);
    ReadDoubles(element, texture, report);
    UTF16String vetted;
    if (XMLUtils::GetNodeAttribute(&element, u"TempFilePath", text) &&
        files.VetTempFilePath(text, vetted))
        texture.SetTempFilePath(vetted);
    if (XMLUtils::GetNodeAttribute(&element, u"ProceduralName", text))
        texture.SetProceduralName(text);
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        texture.SetVersionPersistentId(versionId);
}

void TextureSetReader::ReadChild(ReadContext& context, const DOMElement& child,
                                 XMLTexture& texture) {
    if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(context, child, texture);
    } else if (ElementWalk::IsNamed(child, u"TextureDimensions")) {
        const NumericAttribute::ReportUnparsable report = UnparsableValueReport::For(context);
        int width = 0;
        int height = 0;
        const bool hasWidth = NumericAttribute::ReadInt(child, u"Width", width, report);
        const bool hasHeight = NumericAttribute::ReadInt(child, u"Height", height, report);
        if (hasWidth && hasHeight)
            texture.SetTextureDimensions(width, height);
    } else if (ElementWalk::IsNamed(child, u"TextureCenter")) {
        ElementReaders::ReadXYPair(&child, texture, &XMLTexture::SetTextureCenter);
    } else if (ElementWalk::IsNamed(child, u"TextureOffset")) {
        ElementReaders::ReadXYPair(&child, texture, &XMLTexture::SetTextureOffset);
    } else if (ElementWalk::IsNamed(child, u"TextureScale")) {
        ElementReaders::ReadXYPair(&child, texture, &XMLTexture::SetTextureScale);
    }
}

} // namespace Orvik
