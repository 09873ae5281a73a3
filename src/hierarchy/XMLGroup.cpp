#include "hierarchy/XMLGroup.h"

#include "hierarchy/AECDomainDataReader.h"
#include "hierarchy/GeometryItemList.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <memory>

namespace Orvik {
namespace {

using xercesc::DOMElement;

// Everything a group element says, gathered before the group is made.
struct GroupDraft {
    UTF8String id;
    UTF16String label;
    UTF8String versionPersistentId;
    UTF16String description;
    UTF8String itemsText;
    UTF16String changeKey;
    std::vector<ExtensionDataContent> extensions;
    IdSet materials;
    std::unique_ptr<IDomainData> domainData;
};

void Skip(ReadContext& context, const DOMElement& element, DiagnosticCode code, const char* why) {
    context.Report(code, DiagnosticSeverity::kWarning, &element,
                   UTF8String(std::string("a group ") + why + " is skipped"));
}

// False when the child leaves the group unreadable.
bool ReadChild(ReadContext& context, const DOMElement& child, GroupDraft& draft) {
    if (ElementWalk::IsNamed(child, u"Description")) {
        draft.description = XMLStrUtil::XMLStrToWStr(child.getTextContent());
    } else if (ElementWalk::IsNamed(child, u"GeometryItems")) {
        if (!XMLUtils::GetNodeAttribute(&child, u"Items", draft.itemsText))
            return false;
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ExtensionDataContent content;
        if (ElementReaders::ReadExtensionData(context, &child, content))
            draft.extensions.push_back(std::move(content));
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        ElementReaders::ReadChangeKey(&child, draft.changeKey);
    } else if (ElementWalk::IsNamed(child, u"Materials")) {
        ElementReaders::ReadIdRefs(&context, &child, u"Materials", MaterialRefNodeNameXMLCh,
                                   draft.materials);
    } else if (ElementWalk::IsNamed(child, u"IAECTypeObjectData")) {
        AECDomainDataReader::Read(context, child, draft.domainData);
    }
    return true;
}

// False, with a diagnostic, for an element that is no group.
bool ReadDraft(ReadContext& context, const DOMElement& element, GroupDraft& draft) {
    if (!XMLUtils::GetNodeAttribute(&element, u"ID", draft.id)) {
        Skip(context, element, DiagnosticCode::kMissingId, "without \"ID\"");
        return false;
    }
    if (!XMLUtils::GetNodeAttribute(&element, u"Label", draft.label)) {
        Skip(context, element, DiagnosticCode::kReadFailed, "without \"Label\"");
        return false;
    }
    draft.id = context.ReferenceId(draft.id);
    XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", draft.versionPersistentId);
    bool readable = true;
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        readable = readable && ReadChild(context, child, draft);
    });
    if (!readable)
        Skip(context, element, DiagnosticCode::kReadFailed,
             "whose \"GeometryItems\" has no \"Items\"");
    return readable;
}

std::unique_ptr<XMLGroup> MakeGroup(ReadContext& context, GroupDraft& draft) {
    auto group = std::make_unique<XMLGroup>(draft.label, draft.id, draft.description);
    group->SetChangeKey(draft.changeKey);
    if (!draft.extensions.empty())
        group->AddExtensionDataContent(draft.extensions);
    group->SetMaterials(std::move(draft.materials));
    if (draft.domainData)
        group->AttachDomainData(std::move(draft.domainData));
    group->SetVersionPersistentId(draft.versionPersistentId);
    for (const UTF8String& item : GeometryItemList::Ids(context, draft.itemsText))
        group->AddGeometryItem(item);
    return group;
}

} // namespace

XMLGroup::XMLGroup(const UTF16String& label, const UTF8String& id, const UTF16String& description)
    : XMLEntity(id, label)
    , m_description(description) {}

XMLGroup::~XMLGroup() = default;

bool XMLGroup::ReadGroupSet(ReadContext& context, const DOMElement* set,
                            std::vector<UTF8String>& ids) {
    if (set == nullptr)
        return false;
    ElementWalk::ForEachChildElement(*set, [&](const DOMElement& element) {
        GroupDraft draft;
        if (!ReadDraft(context, element, draft))
            return;
        // The set names the group even when an object of its id is held already.
        ids.push_back(draft.id);
        if (context.Adopt(MakeGroup(context, draft)) == nullptr)
            context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kInfo, &element,
                           UTF8String("an object with the id \"" + ids.back().Value() +
                                      "\" is held already; this group is left out"));
    });
    return true;
}

} // namespace Orvik
