#include "hierarchy/CrossLevelAttributes.h"

#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <stdexcept>
#include <xercesc/dom/DOMNamedNodeMap.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

template <typename Entry>
const Entry& EntryAt(const std::vector<Entry>& entries, std::uint64_t index) {
    if (index >= entries.size())
        throw std::out_of_range("invalid vector subscript");
    return entries[static_cast<std::size_t>(index)];
}

bool HasAttributes(const DOMElement& element) {
    const xercesc::DOMNamedNodeMap* attributes = element.getAttributes();
    return attributes != nullptr && attributes->getLength() > 0;
}

IdSet PathOf(const AttributeMapType& attributes) {
    return ElementReaders::ParseOccurrencePath(XMLUtils::LookupAttribute(attributes, "Path"));
}

} // namespace

void CrossLevelAttributes::Read(XMLProducerImpl& context, const DOMElement& element) {
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Styles"))
            ReadStyles(context, child);
        else if (ElementWalk::IsNamed(child, u"Visibilities"))
            ReadVisibilities(child);
        else if (ElementWalk::IsNamed(child, u"Transformations"))
            ReadTransformations(child);
    });
}

void CrossLevelAttributes::ReadStyles(XMLProducerImpl& context, const DOMElement& styles) {
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
        const AttributeMapType attributes = XMLUtils::AttributeMap(&entry);
        const bool visible =
            ElementReaders::IsVisibleValue(XMLUtils::LookupAttribute(attributes, "Visibility"));
        m_visibilities.push_back({PathOf(attributes), visible});
    });
}

void CrossLevelAttributes::ReadTransformations(const DOMElement& transformations) {
    ElementWalk::ForEachChildElement(transformations, [this](const DOMElement& entry) {
        if (!ElementWalk::IsNamed(entry, u"EntityTransformation") || !HasAttributes(entry))
            return;
        const AttributeMapType attributes = XMLUtils::AttributeMap(&entry);
        Matrix3d transform;
        XMLStrUtil::GetTransfFromStr(
            UTF8String(XMLUtils::LookupAttribute(attributes, "Transformation")), transform);
        m_transformations.push_back({PathOf(attributes), transform});
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
