#include "hierarchy/CrossLevelAttributes.h"

#include "loader/CheckedIndex.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <stdexcept>
#include <xercesc/dom/DOMNamedNodeMap.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

template <typename Entry>
const Entry& EntryAt(const std::vector<Entry>& entries, std::uint64_t index) {
    return entries[CheckedIndex::Of(index, entries.size())];
}

bool HasAttributes(const DOMElement& element) {
    const xercesc::DOMNamedNodeMap* attributes = element.getAttributes();
    return attributes != nullptr && attributes->getLength() > 0;
}

IdSet PathOf(const DOMElement& entry) {
    return ElementReaders::ParseOccurrencePath(UTF16String(entry.getAttribute(u"Path")));
}

} // namespace

void CrossLevelAttributes::Read(ReadContext& context, const DOMElement& element) {
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Styles"))
            ReadStyles(context, child);
        else if (ElementWalk::IsNamed(child, u"Visibilities"))
            ReadVisibilities(child);
        else if (ElementWalk::IsNamed(child, u"Transformations"))
            ReadTransformations(child);
    });
}

void CrossLevelAttributes::ReadStyles(ReadContext& context, const DOMElement& styles) {
    ElementWalk::ForEachChildElement(styles, [&](const DOMElement& entry) {
        if (!ElementWalk::IsNamed(entry, u"EntityStyles"))
            return;
        UTF16String path;
        XMLUtils::GetNodeAttribute(&entry, u"Path", path);
        if (path.IsEmpty())
            return;
        IdSet styleIds;
        // The shared reader takes "Styles" and "NetStyles" and passes over anything else.
        ElementWalk::ForEachChildElement(entry, [&](const DOMElement& list) {
            ElementReaders::ReadStyleRefs(&context, &list, styleIds);
        });
        m_styles.push_back({ElementReaders::ParseOccurrencePath(path), std::move(styleIds)});
    });
}

void CrossLevelAttributes::ReadVisibilities(const DOMElement& visibilities) {
    ElementWalk::ForEachChildElement(visibilities, [this](const DOMElement& entry) {
        if (!ElementWalk::IsNamed(entry, u"EntityVisibility") || !HasAttributes(entry))
            return;
        const bool visible =
            ElementReaders::IsVisibleValue(UTF16String(entry.getAttribute(u"Visibility")));
        m_visibilities.push_back({PathOf(entry), visible});
    });
}

void CrossLevelAttributes::ReadTransformations(const DOMElement& transformations) {
    ElementWalk::ForEachChildElement(transformations, [this](const DOMElement& entry) {
        if (!ElementWalk::IsNamed(entry, u"EntityTransformation") || !HasAttributes(entry))
            return;
        Matrix3d transform;
        XMLStrUtil::GetTransfFromStr(UTF8String(UTF16String(entry.getAttribute(u"Transformation"))),
                                     transform);
        m_transformations.push_back({PathOf(entry), transform});
    });
}

void CrossLevelAttributes::VisibilityAt(std::uint64_t index, IdSet& path, bool& visible) const {
    const Visibility& entry = EntryAt(m_visibilities, index);
    path = entry.path;
    visible = entry.visible;
}

void CrossLevelAttributes::StylesAt(std::uint64_t index, IdSet& path, IdSet& styles) const {
    const Styles& entry = EntryAt(m_styles, index);
    path = entry.path;
    styles = entry.styles;
}

void CrossLevelAttributes::TransformationAt(std::uint64_t index, IdSet& path,
                                            Matrix3d& transform) const {
    const Transformation& entry = EntryAt(m_transformations, index);
    path = entry.path;
    transform = entry.transform;
}

} // namespace Orvik
