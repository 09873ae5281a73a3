#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF8String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Turns an "IBrep" element into a brep object held by the collector.
class BrepElementParser {
public:
    // Always true. `id` is the id the brep is known by (remapped under an id prefix); when an
    // object with that id is held already nothing new is made and the caller refers to it.
    static bool ParseBrepElement(ReadContext& context, const xercesc::DOMElement* element,
                                 const BodyTable& bodiesByDxid, UTF8String& id);
};

} // namespace Orvik
