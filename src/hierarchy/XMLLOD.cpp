#include "hierarchy/XMLLOD.h"

#include "hierarchy/SetMembers.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <memory>

namespace Orvik {
namespace {

using xercesc::DOMElement;

void ReadLod(ReadContext& context, const DOMElement& element, std::vector<UTF8String>& ids) {
    const UTF8String id(XMLStrUtil::XMLStrToWStr(element.getAttribute(u"ID")));
    if (context.Holds(id)) {
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kInfo, &element,
                       UTF8String("an object with the id \"" + id.Value() +
                                  "\" is held already; this level of detail is passed over"));
        return;
    }
    if (!element.hasAttribute(u"ID"))
        context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &element,
                       UTF8String("a level of detail without \"ID\" is read under the empty id"));
    auto lod = std::make_unique<XMLLOD>(id);
    lod->SetLabel(XMLStrUtil::XMLStrToWStr(element.getAttribute(u"Label")));
    lod->SetDescription(XMLStrUtil::XMLStrToWStr(element.getAttribute(u"Description")));
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        lod->SetVersionPersistentId(versionId);
    ids.push_back(id);
    context.Adopt(std::move(lod));
}

} // namespace

XMLLOD::XMLLOD(const UTF8String& id)
    : XMLEntity(id, UTF16String()) {}

XMLLOD::~XMLLOD() = default;

bool XMLLOD::ReadLodSet(ReadContext& context, const DOMElement* set, std::vector<UTF8String>& ids) {
    return SetMembers::ForEachNamed(context, set, u"ILod", "a level of detail",
                                    [&](const DOMElement& lod) { ReadLod(context, lod, ids); });
}

} // namespace Orvik
