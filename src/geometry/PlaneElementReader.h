#pragma once

#include "orvik/api/Plane.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// A plane given as "Origin", "Normal" and optional "Reference" children.
class PlaneElementReader {
public:
    // Without an element the plane is left as it was. A zero normal keeps the default, a zero
    // reference counts as absent.
    static void ReadPlaneElement(const xercesc::DOMElement* element, Plane& plane);
};

} // namespace Orvik
