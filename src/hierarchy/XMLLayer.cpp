#include "hierarchy/XMLLayer.h"

#include "hierarchy/GeometryItemList.h"
#include "hierarchy/SetMembers.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <memory>

namespace Orvik {
namespace {

using xercesc::DOMElement;

// The values a layer takes from its own attributes or from those of its "LayerInfo" and
// "GeometryItems" children; the first element met that has one gives it.
class LayerAttributes {
public:
    enum Name { kId, kDescription, kItems, kVisibility, kCount };

    void Take(const DOMElement& element) {
        for (std::size_t name = 0; name < kCount; ++name) {
            if (m_given[name] || !element.hasAttribute(kNames[name]))
                continue;
            m_values[name] = XMLStrUtil::XMLStrToWStr(element.getAttribute(kNames[name]));
            m_given[name] = true;
        }
    }
    // Empty when no element gave it.
    const UTF16String& Text(Name name) const { return m_values[name]; }

private:
    static constexpr std::array<const XMLCh*, kCount> kNames{u"ID", u"Description", u"Items",
                                                             u"Visibility"};
    std::array<UTF16String, kCount> m_values;
    std::array<bool, kCount> m_given{};
};

struct LayerDraft {
    LayerAttributes attributes;
    UTF8String id;
    UTF16String label;
    UTF8String versionPersistentId;
    UTF16String changeKey;
    std::vector<ExtensionDataContent> extensions;
    IdSet styles;
};

void ReadChild(ReadContext& context, const DOMElement& child, LayerDraft& draft) {
    if (ElementWalk::IsNamed(child, u"LayerInfo") ||
        ElementWalk::IsNamed(child, u"GeometryItems")) {
        draft.attributes.Take(child);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        ElementReaders::ReadChangeKey(&child, draft.changeKey);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ExtensionDataContent content;
        if (ElementReaders::ReadExtensionData(context, &child, content))
            draft.extensions.push_back(std::move(content));
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        ElementReaders::ReadStyleRefs(&context, &child, draft.styles);
    }
}

// The number is the "ID" text as written; one that is no whole number from 0 up gives 0.
std::uint32_t LayerNumberOf(ReadContext& context, const DOMElement& element,
                            const LayerAttributes& attributes) {
    const UTF16String& text = attributes.Text(LayerAttributes::kId);
    int number = 0;
    if (XMLStrUtil::XMLStrToInt(text.Value().c_str(), number) && number >= 0)
        return static_cast<std::uint32_t>(number);
    if (!text.IsEmpty())
        context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                       UTF8String("the layer's \"ID\" \"" + text.ToUTF8() +
                                  "\" is no layer number; the number is 0"));
    return 0;
}

// Visible unless "Visibility" has a text other than "True".
bool IsVisible(const LayerAttributes& attributes) {
    const UTF16String& text = attributes.Text(LayerAttributes::kVisibility);
    return text.IsEmpty() || text.Value() == u"True";
}

std::unique_ptr<XMLLayer> MakeLayer(ReadContext& context, const DOMElement& element,
                                    LayerDraft& draft) {
    const LayerAttributes& attributes = draft.attributes;
    auto layer = std::make_unique<XMLLayer>(
        draft.label, attributes.Text(LayerAttributes::kDescription), draft.id,
        LayerNumberOf(context, element, attributes), IsVisible(attributes), draft.changeKey);
    if (!draft.extensions.empty())
        layer->AddExtensionDataContent(draft.extensions);
    layer->SetVersionPersistentId(draft.versionPersistentId);
    if (!draft.styles.IsEmpty())
        layer->SetStyles(std::move(draft.styles));
    const UTF8String items(attributes.Text(LayerAttributes::kItems));
    for (const UTF8String& item : GeometryItemList::Ids(context, items))
        layer->AddGeometryItem(item);
    return layer;
}

void ReadLayer(ReadContext& context, const DOMElement& element, std::vector<UTF8String>& ids) {
    LayerDraft draft;
    draft.attributes.Take(element);
    if (!element.hasAttribute(u"ID"))
        context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &element,
                       UTF8String("a layer without \"ID\" is read under the empty id"));
    draft.id =
        context.ReferenceId(UTF8String(XMLStrUtil::XMLStrToWStr(element.getAttribute(u"ID"))));
    ids.push_back(draft.id);
    XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", draft.versionPersistentId);
    XMLUtils::GetNodeAttribute(&element, u"Label", draft.label);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadChild(context, child, draft); });
    if (context.Adopt(MakeLayer(context, element, draft)) == nullptr)
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kInfo, &element,
                       UTF8String("an object with the id \"" + draft.id.Value() +
                                  "\" is held already; this layer is left out"));
}

} // namespace

XMLLayer::XMLLayer(const UTF16String& label, const UTF16String& description, const UTF8String& id,
                   std::uint32_t layerNumber, bool visible, const UTF16String& changeKey)
    : XMLEntity(id, label)
    , m_description(description)
    , m_layerNumber(layerNumber)
    , m_visible(visible) {
    SetChangeKey(changeKey);
}

XMLLayer::~XMLLayer() = default;

bool XMLLayer::ReadLayerSet(ReadContext& context, const DOMElement* set,
                            std::vector<UTF8String>& ids) {
    return SetMembers::ForEachNamed(
        context, set, u"ILayer", "a layer",
        [&](const DOMElement& layer) { ReadLayer(context, layer, ids); });
}

} // namespace Orvik
