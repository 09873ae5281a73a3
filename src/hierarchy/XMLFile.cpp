#include "hierarchy/XMLFile.h"

#include "hierarchy/XMLFileProperties.h"
#include "loader/CheckedIndex.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "orvik/api/FileProperties.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;
using xercesc::XMLString;

} // namespace

XMLFile::XMLFile(const UTF16String&, ReadContext* context)
    : m_context(context) {}

XMLFile::~XMLFile() = default;

bool XMLFile::Read(const DOMElement* element) {
    if (element == nullptr || element->getAttributes() == nullptr)
        return false;
    EntityReader shared(*m_context, *this,
                        {EntityReader::kChangeKey | EntityReader::kExtensionData |
                         EntityReader::kVersionPersistentId},
                        {});
    shared.ReadIdentity(*element);
    ReadAttributes(*element);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!shared.ReadChild(child))
            ReadChild(child);
    });
    return true;
}

void XMLFile::ReadAttributes(const DOMElement& element) {
    m_fullPath = UTF16String(element.getAttribute(u"FileFullPath"));
    const UTF16String modified(element.getAttribute(u"LastModificationTime"));
    if (!modified.IsEmpty())
        m_hasLastModification = m_lastModification.FromString(UTF8String(modified));
    XMLUtils::GetNodeAttribute(&element, u"IsRoot", m_isRoot);
}

void XMLFile::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        ReadChildSet(child);
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum angle = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum display = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, length, angle, display);
        SetDisplayLengthUnit(display);
    } else if (ElementWalk::IsNamed(child, u"AttributeSet")) {
        AttributeSetReader::ReadAttributeSet(*m_context, &child, m_sets,
                                             m_context->Cache().ambrelAssets);
    } else if (ElementWalk::IsNamed(child, u"FileProperties")) {
        m_properties = std::make_unique<XMLFileProperties>(child);
    } else if (ElementWalk::IsNamed(child, u"RefFiles")) {
        ReadRefFiles(child);
    }
}

void XMLFile::ReadChildSet(const DOMElement& childSet) {
    ElementWalk::ForEachChildElement(childSet, [this](const DOMElement& entry) {
        UTF8String asRead;
        // A child entry without an id names nothing: it is skipped.
        if (!XMLUtils::GetNodeAttribute(&entry, "ID", asRead)) {
            m_context->Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &entry,
                              UTF8String("a child without \"ID\" is skipped"));
            return;
        }
        // A child whose element failed to read is dropped; one that names no element at all
        // is kept, and answers an empty child.
        const ReferenceOutcome child = m_context->Require(entry, asRead);
        if (child.dispatched)
            m_childIds.push_back(child.id);
    });
}

void XMLFile::ReadRefFiles(const DOMElement& refFiles) {
    ElementWalk::ForEachChildElement(refFiles, [this](const DOMElement& entry) {
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
    const std::size_t at = CheckedIndex::OfChild(index, m_childIds.size(), "XMLFile");
    return FileChildId::Create(m_context->Find(m_childIds[at]));
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
