#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/UnitTypeEnum.h"
#include "xml_util/XMLObject.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// What the view reader fills, whichever kind of view it reads.
class IXMLView {
public:
    virtual ~IXMLView() = default;

    // The identity, version id and extension data of the view.
    virtual XMLObject& Object() = 0;
    virtual void SetVisibility(bool visible) = 0;
    virtual void SetIsActive(bool active) = 0;
    virtual void SetUnit(UnitTypeEnum unit) = 0;
    virtual void SetUnitSpecified(bool specified) = 0;
    virtual void SetCameras(const IdSet& cameras) = 0;
    // One "ViewMemberChild"; a member whose path is held already replaces it and moves to the
    // end of the list.
    virtual void ReadMember(const xercesc::DOMElement& member, ReadContext& context) = 0;
    // Ends the reading of members; the list is answered from then on.
    virtual void FinishMembers() = 0;
    // An "IViewWithFlatToScreen" child; plain views ignore it.
    virtual void ReadFlatToScreen(const xercesc::DOMElement&, ReadContext&) {}
};

} // namespace Orvik
