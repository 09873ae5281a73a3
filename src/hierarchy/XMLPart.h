#pragma once

#include "hierarchy/XMLAttributeSetsEntity.h"
#include "loader/AttributeSetReader.h"
#include "loader/EntityReader.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IPart.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "IPart" element: a leaf component holding geometry, with its children by typed id.
class XMLPart : public XMLAttributeSetsEntity<IPart> {
public:
    explicit XMLPart(ReadContext* context);
    ~XMLPart() override;

    // False only for a null element or one without attributes; children that fail to read
    // are left out as their kind says.
    bool Read(const xercesc::DOMElement* element);

    const Orvik::FileProperties* FileProperties() const override;
    IdSet Styles() const override { return m_styles; }
    bool IsSingleUnderRoot() const override { return m_isSingleUnderRoot; }
    IdSet Materials() const override { return m_materials; }
    std::uint64_t ChildCount() const override { return m_children.size(); }
    PartChildId ChildAt(std::uint64_t index) const override;

    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;

private:
    EntityReader::Targets Shared();
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);

    ReadContext* m_context;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    std::vector<PartChildId> m_children;
    IdSet m_styles;
    IdSet m_materials;
    std::unique_ptr<Orvik::FileProperties> m_properties;
    bool m_isSingleUnderRoot = false;
};

} // namespace Orvik
