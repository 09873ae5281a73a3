#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/StoredTransform.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"
#include "xml_util/XMLObject.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// What coordinate systems and work features share: identity, placement, units, visibility and
// styles, read from the attributes and common children of their element.
class XMLHierachyObject : public XMLObject {
public:
    explicit XMLHierachyObject(ReadContext* context);
    ~XMLHierachyObject() override;

    // An empty "ChangeKey" still counts as one.
    IsValueSpecifiedEnum HierarchyChangeKey(UTF16String& out) const;

    // False only without an element. Children other than the common ones are left to the
    // feature's own parser.
    bool ParseHierarchyElement(const xercesc::DOMElement* element);

protected:
    bool HierarchyVisible() const { return m_visible; }
    bool HierarchyNetVisible() const { return m_netVisible; }
    const IdSet& HierarchyStyles() const { return m_styles; }
    const Matrix3d& HierarchyTransform() const;
    UnitTypeEnum HierarchyLengthUnit() const { return m_lengthUnit; }

private:
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    StoredTransform m_transform;
    IdSet m_styles;
    ReadContext* m_context;
};

} // namespace Orvik
