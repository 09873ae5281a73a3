#pragma once

#include "loader/AttributeSetReader.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IPart.h"
#include "xml_util/XMLObject.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// One "IPart" element: a leaf component holding geometry, with its children by typed id.
class XMLPart : public IPart, public XMLObject {
public:
    explicit XMLPart(XMLProducerImpl* context);
    ~XMLPart() override;

    // False only for a null element or one without attributes; children that fail to read
    // are left out as their kind says.
    bool Read(const xercesc::DOMElement* element, const ExternalGeometryTables& tables);

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
    IdSet Styles() const override { return m_styles; }
    bool IsSingleUnderRoot() const override { return m_isSingleUnderRoot; }
    IdSet Materials() const override { return m_materials; }
    std::uint64_t ChildCount() const override { return m_children.size(); }
    PartChildId ChildAt(std::uint64_t index) const override;

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

    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;

private:
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child, const ExternalGeometryTables& tables);
    void ReadExtension(const xercesc::DOMElement& extension);

    XMLProducerImpl* m_context;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    std::vector<PartChildId> m_children;
    AttributeSets m_sets;
    IdSet m_styles;
    IdSet m_materials;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    bool m_isSingleUnderRoot = false;
};

} // namespace Orvik
