#pragma once

#include "loader/AttributeSetReader.h"
#include "orvik/api/IFile.h"
#include "xml_util/XMLObject.h"

#include <memory>
#include <utility>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// One "IFile" element: the top of the hierarchy, with its children by id.
class XMLFile : public IFile, public XMLObject {
public:
    XMLFile(const UTF16String& path, XMLProducerImpl* context);
    ~XMLFile() override;

    // False only for a null element or one without attributes.
    bool Read(const xercesc::DOMElement* element);
    // Set when the loader chooses this file as root because none was marked.
    void SetIsRoot(bool isRoot) { m_isRoot = isRoot; }

    IdSet StyleSet() const override { return m_sets.styles; }
    IdSet TextureSet() const override { return m_sets.textures; }
    IdSet LayerSet() const override { return m_sets.layers; }
    IdSet GroupSet() const override { return m_sets.groups; }
    IdSet LodSet() const override { return m_sets.lods; }
    IdSet AnimationSet() const override { return m_sets.animations; }
    IdSet CameraSet() const override { return m_sets.cameras; }
    IdSet ViewSet() const override { return m_sets.views; }
    IdSet MaterialSet() const override { return m_sets.materials; }
    IdSet LightSet() const override { return m_sets.lights; }

    UTF8String Id() const override { return IdImpl(); }
    UTF16String Label() const override { return LabelImpl(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String& typeId,
                                               ExtensionDataContent& out) const override {
        return ExtensionDataByTypeIdImpl(typeId, out);
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String& out) const override { return ChangeKeyImpl(out); }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const override {
        return VersionPersistentIdImpl(out);
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>& out) const override {
        return PropertiesImpl(out);
    }
    const IDomainData* DomainData() const override { return DomainDataImpl(); }

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

    XMLProducerImpl* m_context;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    UTF16String m_fullPath;
    Time m_lastModification;
    bool m_hasLastModification = false;
    std::vector<UTF8String> m_childIds;
    AttributeSets m_sets;
    std::vector<std::pair<UTF8String, UTF16String>> m_refFiles;
    bool m_isRoot = false;
};

} // namespace Orvik
