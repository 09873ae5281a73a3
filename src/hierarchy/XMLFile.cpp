#include "hierarchy/XMLFile.h"

#include "hierarchy/XMLFileProperties.h"
#include "loader/Dispatcher.h"
#include "loader/ElementReaders.h"
#include "orvik/api/FileProperties.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/ObjectCollector.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;
using xercesc::XMLString;

bool IsNamed(const DOMNode& node, const XMLCh* name) {
    return XMLString::equals(node.getNodeName(), name);
}

template <typename Visit>
void ForEachChildElement(const DOMElement& parent, Visit visit) {
    for (const DOMNode* node = parent.getFirstChild(); node; node = node->getNextSibling())
        if (node->getNodeType() == DOMNode::ELEMENT_NODE)
            visit(static_cast<const DOMElement&>(*node));
}

} // namespace

XMLFile::XMLFile(const UTF16String&, XMLProducerImpl* context)
    : m_context(context) {}

XMLFile::~XMLFile() = default;

bool XMLFile::Read(const DOMElement* element) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    ReadAttributes(*element);
    ForEachChildElement(*element, [this](const DOMElement& child) { ReadChild(child); });
    return true;
}

void XMLFile::ReadAttributes(const DOMElement& element) {
    const AttributeMapType attributes = XMLUtils::AttributeMap(&element);
    UTF8String id(XMLUtils::LookupAttribute(attributes, "ID"));
    m_context->MapObjectId(id, id);
    SetId(id);
    m_fullPath = XMLUtils::LookupAttribute(attributes, "FileFullPath");
    const UTF16String modified = XMLUtils::LookupAttribute(attributes, "LastModificationTime");
    if (!modified.IsEmpty())
        m_hasLastModification = m_lastModification.FromString(UTF8String(modified));
    if (attributes.count(UTF8String("Label")))
        SetLabel(XMLUtils::LookupAttribute(attributes, "Label"));
    XMLUtils::GetNodeAttribute(&element, "IsRoot", m_isRoot);
    if (attributes.count(UTF8String("VersionPersistentId")))
        SetVersionPersistentId(
            UTF8String(XMLUtils::LookupAttribute(attributes, "VersionPersistentId")));
}

void XMLFile::ReadChild(const DOMElement& child) {
    if (IsNamed(child, u"ChildSet")) {
        ReadChildSet(child);
    } else if (IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (IsNamed(child, u"Unit")) {
        UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum angle = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum display = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, length, angle, display);
        SetDisplayLengthUnit(display);
    } else if (IsNamed(child, u"AttributeSet")) {
        AttributeSetReader::ReadAttributeSet(*m_context, &child, m_sets,
                                             m_context->Cache().ambrelAssets);
    } else if (IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    } else if (IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    } else if (IsNamed(child, u"RefFiles")) {
        ReadRefFiles(child);
    }
}

void XMLFile::ReadChildSet(const DOMElement& childSet) {
    ForEachChildElement(childSet, [this](const DOMElement& child) {
        UTF8String asRead;
        // A child entry without an id names nothing: it is skipped.
        if (!XMLUtils::GetNodeAttribute(&child, "ID", asRead))
            return;
        UTF8String kept = asRead;
        m_context->MapObjectId(asRead, kept);
        if (m_context->Collector()->HasObject(kept)) {
            m_childIds.push_back(kept);
            return;
        }
        const UTF8String& registered = m_context->HasIdPrefix() ? asRead : kept;
        if (Dispatcher::DispatchById(m_context->Registry(), registered))
            m_childIds.push_back(kept);
    });
}

void XMLFile::ReadRefFiles(const DOMElement& refFiles) {
    ForEachChildElement(refFiles, [this](const DOMElement& entry) {
        UTF8String id;
        UTF16String path;
        if (XMLUtils::GetNodeAttribute(&entry, "RefId", id) &&
            XMLUtils::GetNodeAttribute(&entry, "RefPath", path))
            m_refFiles.emplace_back(id, path);
    });
}

const Orvik::FileProperties* XMLFile::FileProperties() const {
    return m_properties.get();
}

FileChildId XMLFile::ChildAt(std::uint64_t index) const {
    if (index >= m_childIds.size())
        throw GeneralException(UTF8String("Invalid index to child of XMLFile."));
    return FileChildId::Create(m_context->FindObject(m_childIds[index]));
}

IsValueSpecifiedEnum XMLFile::FullPath(UTF16String& path) const {
    if (m_fullPath.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    path = m_fullPath;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLFile::LastModificationTime(Time& time) const {
    if (!m_hasLastModification)
        return IsValueSpecifiedEnum::kUnspecified;
    time = m_lastModification;
    return IsValueSpecifiedEnum::kSpecified;
}

bool XMLFile::RefFileAt(std::uint64_t index, UTF8String& id, UTF16String& path) const {
    if (index >= m_refFiles.size())
        return false;
    id = m_refFiles[index].first;
    path = m_refFiles[index].second;
    return true;
}

} // namespace Orvik
