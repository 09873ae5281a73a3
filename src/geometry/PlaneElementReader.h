#pragma once

#include "orvik/api/Plane.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A plane given as "Origin", "Normal" and optional "Reference" children.
class PlaneElementReader {
public:
    // Without an element the plane is left as it was. A zero normal keeps the default, a zero
    // reference counts as absent; both are reported when a context is given.
    static void ReadPlaneElement(const xercesc::DOMElement* element, Plane& plane,
                                 ReadContext* context = nullptr);
    // The "X", "Y" and "Z" of the element as a direction. A zero vector names none: the
    // direction stays, false is answered and, given a context, the skip is reported.
    static bool ReadDirection(const xercesc::DOMElement& element, UnitVector& direction,
                              ReadContext* context);
};

} // namespace Orvik
