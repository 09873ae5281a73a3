#include "presentation/ViewMemberReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "presentation/SceneAttributeReader.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

bool HasRequired(const DOMElement& element, const XMLCh* name, ReadContext& context) {
    if (element.hasAttribute(name))
        return true;
    context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
                   UTF8String("a \"" + UTF16String(element.getTagName()).ToUTF8() +
                              "\" without \"" + UTF16String(name).ToUTF8() + "\" is skipped"));
    return false;
}

IdSet PathOf(const DOMElement& element) {
    return ElementReaders::ParseOccurrencePath(UTF16String(element.getAttribute(u"Path")));
}

// Each "FlagAnnotationPath" with a "Path" adds its path; repeated paths are all kept.
IdSetSet ReadFlagAssociation(const DOMElement& association, ReadContext& context) {
    IdSetSet paths;
    ElementWalk::ForEachChildElement(association, [&](const DOMElement& flag) {
        if (ElementWalk::IsNamed(flag, u"FlagAnnotationPath") &&
            HasRequired(flag, u"Path", context))
            paths.AddWithoutUniquenessCheck(PathOf(flag));
    });
    return paths;
}

void ReadFlatToScreenChild(const DOMElement& child, ReadContext& context,
                           XMLProducerViewMemberWithFlatToScreenInfo& record) {
    if (const std::optional<int> flat =
            SceneAttributeReader::Int(child, u"IsFlatToScreen", context))
        record.isFlatToScreen = *flat != 0;
    ElementWalk::ForEachChildElement(child, [&](const DOMElement& association) {
        if (!ElementWalk::IsNamed(association, u"FlagAssociation"))
            return;
        IdSetSet paths = ReadFlagAssociation(association, context);
        if (!paths.IsEmpty())
            record.flagAssociation = std::move(paths);
    });
}

} // namespace

bool ViewMemberReader::ReadCommonChild(const DOMElement& child, ReadContext& context,
                                       XMLProducerViewMemberOverrideInfo& record) {
    if (ElementWalk::IsNamed(child, u"OccurrencePath")) {
        if (HasRequired(child, u"Path", context))
            record.path = PathOf(child);
    } else if (ElementWalk::IsNamed(child, u"EntityVisibility")) {
        if (HasRequired(child, u"Visibility", context))
            record.visible = SceneAttributeReader::NonZero(child, u"Visibility", context);
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        ElementReaders::ReadStyleRefs(&context, &child, record.styles);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        SceneAttributeReader::Transform(child, context, record.transform);
    } else {
        return false;
    }
    return true;
}

void ViewMemberReader::Read(const DOMElement& member, ReadContext& context,
                            XMLProducerViewMemberOverrideInfo& record) {
    ElementWalk::ForEachChildElement(
        member, [&](const DOMElement& child) { ReadCommonChild(child, context, record); });
}

void ViewMemberReader::Read(const DOMElement& member, ReadContext& context,
                            XMLProducerViewMemberWithFlatToScreenInfo& record) {
    ElementWalk::ForEachChildElement(member, [&](const DOMElement& child) {
        if (!ReadCommonChild(child, context, record) &&
            ElementWalk::IsNamed(child, u"ViewWithFlatToScreenMemberChild"))
            ReadFlatToScreenChild(child, context, record);
    });
}

std::string ViewMemberReader::PathKey(const IdSet& path) {
    std::string key;
    for (const UTF8String& id : path)
        key += std::to_string(id.Value().size()) + ':' + id.Value();
    return key;
}

} // namespace Orvik
