#include "hierarchy/XMLAssemblyFeatureOverride.h"

#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>

namespace Orvik {

using xercesc::DOMElement;

namespace {

// Only the change key and extension data; the id is read as written, not through the prefix.
constexpr EntityReader::Policy kOverridePolicy{
    EntityReader::kChangeKey | EntityReader::kExtensionData, 0u};

} // namespace

XMLAssemblyFeatureOverride::XMLAssemblyFeatureOverride(ReadContext* context)
    : m_context(context) {}

XMLAssemblyFeatureOverride::~XMLAssemblyFeatureOverride() = default;

bool XMLAssemblyFeatureOverride::Read(const DOMElement* element) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    ReadAttributes(*element);
    EntityReader shared(*m_context, *this, kOverridePolicy, EntityReader::Targets());
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!shared.ReadChild(child))
            ReadChild(child);
    });
    return true;
}

void XMLAssemblyFeatureOverride::ReadAttributes(const DOMElement& element) {
    UTF8String id;
    if (XMLUtils::GetNodeAttribute(&element, u"ID", id))
        SetId(id);
    UTF16String label;
    if (XMLUtils::GetNodeAttribute(&element, u"Label", label))
        SetLabel(label);
    XMLUtils::GetNodeAttribute(&element, u"Visibility", m_visible);
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        SetVersionPersistentId(versionId);
}

void XMLAssemblyFeatureOverride::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamedIgnoringCase(child, u"BaseOccPaths"))
        ReadBasePaths(child);
    else if (ElementWalk::IsNamed(child, u"ChildSet"))
        ReadChildSet(child);
}

// Every attribute of a "BaseOccPath", whatever its name, is one path.
void XMLAssemblyFeatureOverride::ReadBasePaths(const DOMElement& paths) {
    ElementWalk::ForEachChildElement(paths, [this](const DOMElement& path) {
        if (!ElementWalk::IsNamed(path, u"BaseOccPath"))
            return;
        const xercesc::DOMNamedNodeMap* attributes = path.getAttributes();
        for (XMLSize_t i = 0; attributes != nullptr && i < attributes->getLength(); ++i)
            m_basePaths.AddPath(ElementReaders::ParseOccurrencePath(
                XMLStrUtil::XMLStrToWStr(attributes->item(i)->getNodeValue())));
    });
}

void XMLAssemblyFeatureOverride::ReadChildSet(const DOMElement& childSet) {
    ChildSetReader::Read(
        childSet, Place::kFeatureOverride, *m_context, [this](const UTF8String& id) {
            if (IObject* child = m_context->Find(id))
                m_children.push_back(AssemblyFeatureOverrideChildId::Create(child));
        });
}

AssemblyFeatureOverrideChildId XMLAssemblyFeatureOverride::ChildAt(std::uint64_t index) const {
    return m_children[CheckedIndex::Of(index, m_children.size())];
}

} // namespace Orvik
