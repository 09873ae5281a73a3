#pragma once

#include "hierarchy/XMLAttributeSetsEntity.h"
#include "loader/AttributeSetReader.h"
#include "orvik/api/IFile.h"

#include <memory>
#include <utility>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "IFile" element: the top of the hierarchy, with its children by id.
class XMLFile : public XMLAttributeSetsEntity<IFile> {
public:
    XMLFile(const UTF16String& path, ReadContext* context);
    ~XMLFile() override;

    // False only for a null element or one without attributes.
    bool Read(const xercesc::DOMElement* element);
    // Set when the loader chooses this file as root because none was marked.
    void SetIsRoot(bool isRoot) { m_isRoot = isRoot; }

    const Orvik::FileProperties* FileProperties() const override;
    std::uint64_t ChildCount() const override { return m_childIds.size(); }
    FileChildId ChildAt(std::uint64_t index) const override;
    bool IsRoot() const override { return m_isRoot; }
    IsValueSpecifiedEnum FullPath(UTF16String& path) const override;
    IsValueSpecifiedEnum LastModificationTime(Time& time) const override;
    std::uint64_t RefFileCount() const override { return m_refFiles.size(); }
    bool RefFileAt(std::uint64_t index, UTF8String& id, UTF16String& path) const override;

    // Ids of the children as listed, for walks that need no objects.
    const std::vector<UTF8String>& ChildIds() const { return m_childIds; }

private:
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);
    void ReadChildSet(const xercesc::DOMElement& childSet);
    void ReadRefFiles(const xercesc::DOMElement& refFiles);

    ReadContext* m_context;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    UTF16String m_fullPath;
    Time m_lastModification;
    bool m_hasLastModification = false;
    std::vector<UTF8String> m_childIds;
    std::vector<std::pair<UTF8String, UTF16String>> m_refFiles;
    bool m_isRoot = false;
};

} // namespace Orvik
