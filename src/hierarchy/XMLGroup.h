#pragma once

#include "orvik/api/IGroup.h"
#include "xml_util/XMLEntity.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One member of a "GroupSet": geometry items, materials and, for a building element type, its
// AEC type object data. Made only once its whole element has been read.
class XMLGroup : public XMLEntity<IGroup> {
public:
    XMLGroup(const UTF16String& label, const UTF8String& id, const UTF16String& description);
    ~XMLGroup() override;

    // Reads every child element of the set as a group, whatever its name, adds each to the
    // collector and appends its id to `ids`. A child without "ID" or "Label", or whose
    // "GeometryItems" has no "Items", is skipped. False only for a null element.
    static bool ReadGroupSet(ReadContext& context, const xercesc::DOMElement* set,
                             std::vector<UTF8String>& ids);

    UTF16String Description() const override { return m_description; }
    const IdSet& GeometryItems() const override { return m_items; }
    IdSet Materials() const override { return m_materials; }

    void AddGeometryItem(const UTF8String& id) { m_items.AddWithUniquenessCheck(id); }
    void SetMaterials(IdSet materials) { m_materials = std::move(materials); }

private:
    UTF16String m_description;
    IdSet m_items;
    IdSet m_materials;
};

} // namespace Orvik
