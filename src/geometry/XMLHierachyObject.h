#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// What coordinate systems and work features share: identity, placement, units, visibility and
// styles, read from the attributes and common children of their element.
class XMLHierachyObject {
public:
    explicit XMLHierachyObject(XMLProducerImpl* context);
    virtual ~XMLHierachyObject();
    XMLHierachyObject(const XMLHierachyObject&) = delete;
    XMLHierachyObject& operator=(const XMLHierachyObject&) = delete;

    virtual IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const;
    virtual IsValueSpecifiedEnum ChangeKey(UTF16String& out) const;

    // False only without an element. Children other than the common ones are left to the
    // feature's own parser.
    bool ParseHierarchyElement(const xercesc::DOMElement* element);

protected:
    const UTF8String& HierarchyId() const { return m_id; }
    const UTF16String& HierarchyLabel() const { return m_label; }
    bool HierarchyVisible() const { return m_visible; }
    bool HierarchyNetVisible() const { return m_netVisible; }
    const IdSet& HierarchyStyles() const { return m_styles; }
    const Matrix3d& HierarchyTransform() const;
    UnitTypeEnum HierarchyLengthUnit() const { return m_lengthUnit; }

private:
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);

    UTF8String m_id;
    UTF16String m_label;
    bool m_hasChangeKey = false;
    UTF16String m_changeKey;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_visible = true;
    bool m_netVisible = true;
    std::unique_ptr<Matrix3d> m_transform;
    IdSet m_styles;
    XMLProducerImpl* m_context;
    UTF8String m_versionPersistentId;
};

} // namespace Orvik
