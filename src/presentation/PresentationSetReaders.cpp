#include "loader/AttributeSetReader.h"
#include "loader/ReadContext.h"
#include "presentation/RenderStyleReader.h"
#include "presentation/TextureSetReader.h"
#include "presentation/XMLMaterial.h"

namespace Orvik {

using xercesc::DOMElement;

bool ReadStyleSetMembers(ReadContext& context, const DOMElement& set, AmbrelAssetTable& assets,
                         AttributeSetReader::IdList& ids) {
    return RenderStyleReader::ReadStyleSet(context, &set, assets, ids);
}

bool ReadTextureSetMembers(ReadContext& context, const DOMElement& set, AmbrelAssetTable&,
                           AttributeSetReader::IdList& ids) {
    return TextureSetReader::ReadTextureSet(context, &set, ids);
}

bool ReadMaterialSetMember(ReadContext& context, const DOMElement& child, const UTF8String& id) {
    auto material = std::make_unique<XMLMaterial>(id);
    if (!material->Read(context, child)) {
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &child,
                       UTF8String("the material could not be read and is left out"));
        return false;
    }
    return context.Adopt(std::move(material)) != nullptr;
}

} // namespace Orvik
