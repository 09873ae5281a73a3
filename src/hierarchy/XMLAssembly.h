#pragma once

#include "hierarchy/ComponentUnits.h"
#include "hierarchy/CrossLevelAttributes.h"
#include "hierarchy/XMLAttributeSetsEntity.h"
#include "loader/AttributeSetReader.h"
#include "loader/EntityReader.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IAssembly.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "IAssembly" element: a component whose children it creates from its "ChildSet".
class XMLAssembly : public XMLAttributeSetsEntity<IAssembly> {
public:
    explicit XMLAssembly(ReadContext* context);
    ~XMLAssembly() override;

    // False only for a null element or one without attributes. The tables go to the readers
    // of the children.
    bool Read(const xercesc::DOMElement* element);

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

    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;

private:
    EntityReader::Targets Shared();
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);
    void ReadChildSet(const xercesc::DOMElement& childSet);

    ReadContext* m_context;
    std::vector<AssemblyChildId> m_children;
    ComponentUnits m_units{ComponentUnits::NameMatch::kIgnoreCase};
    IdSet m_styles;
    IdSet m_materials;
    CrossLevelAttributes m_crossLevel;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    bool m_isSingleUnderRoot = false;
};

} // namespace Orvik
