#pragma once

#include "orvik/api/UTF8String.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLAECDomainProjectContext;
class XMLDomainProjectContext;

// Readers of the universe's "IDomainProjectContext" and "IAECProjectContext" elements.
class DomainProjectContextReader {
public:
    using DOMElement = xercesc::DOMElement;
    using DOMNode = xercesc::DOMNode;

    // Both answer false only when the element or the context is missing.
    static bool ReadDomainProjectContext(const DOMElement* element,
                                         XMLDomainProjectContext* context);
    static bool ReadAECProjectContext(const DOMElement* element,
                                      XMLAECDomainProjectContext* context);

private:
    // The "ID" of each "ParameterTypeId" child of a "Units" element, in document order.
    static std::vector<UTF8String> ReadParameterTypeIds(const DOMNode* units);
};

} // namespace Orvik
