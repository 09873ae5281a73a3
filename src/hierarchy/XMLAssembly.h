#pragma once

#include "hierarchy/ComponentUnits.h"
#include "hierarchy/CrossLevelAttributes.h"
#include "loader/AttributeSetReader.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IAssembly.h"
#include "xml_util/XMLObject.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// One "IAssembly" element: a component whose children it creates from its "ChildSet".
class XMLAssembly : public IAssembly, public XMLObject {
public:
    explicit XMLAssembly(XMLProducerImpl* context);
    ~XMLAssembly() override;

    // False only for a null element or one without attributes. The tables go to the readers
    // of the children.
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

    const Orvik::FileProperties* FileProperties() const override { return m_properties.get(); }
    IdSet Styles() const override { return m_styles; }
    bool IsSingleUnderRoot() const override { return m_isSingleUnderRoot; }
    IdSet Materials() const override { return m_materials; }
    std::uint64_t ChildCount() const override { return m_children.size(); }
    AssemblyChildId ChildAt(std::uint64_t index) const override;
    std::uint64_t EntityVisibilityCount() const override { return m_crossLevel.VisibilityCount(); }
    void EntityVisibilityAt(std::uint64_t index, IdSet& path, bool& visible) const override {
        m_crossLevel.VisibilityAt(index, path, visible);
    }
    std::uint64_t EntityStylesCount() const override { return m_crossLevel.StylesCount(); }
    void EntityStylesAt(std::uint64_t index, IdSet& path, IdSet& styles) const override {
        m_crossLevel.StylesAt(index, path, styles);
    }
    std::uint64_t EntityTransformationCount() const override {
        return m_crossLevel.TransformationCount();
    }
    void EntityTransformationAt(std::uint64_t index, IdSet& path,
                                Matrix3d& transform) const override {
        m_crossLevel.TransformationAt(index, path, transform);
    }

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
    void ReadChildSet(const xercesc::DOMElement& childSet, const ExternalGeometryTables& tables);

    XMLProducerImpl* m_context;
    std::vector<AssemblyChildId> m_children;
    ComponentUnits m_units{ComponentUnits::NameMatch::kIgnoreCase};
    AttributeSets m_sets;
    IdSet m_styles;
    IdSet m_materials;
    CrossLevelAttributes m_crossLevel;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    bool m_isSingleUnderRoot = false;
};

} // namespace Orvik
