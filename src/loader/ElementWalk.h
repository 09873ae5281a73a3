#pragma once

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

namespace Orvik {

// Name tests and child walks over the DOM that the hierarchy readers share. Names are compared
// as DOM text, never transcoded.
class ElementWalk {
public:
    static bool IsNamed(const xercesc::DOMNode& node, const XMLCh* name);
    // Letter case of ASCII letters does not count; the document's names are ASCII.
    static bool IsNamedIgnoringCase(const xercesc::DOMNode& node, const XMLCh* name);

    template <typename Visit>
    static void ForEachChildElement(const xercesc::DOMNode& parent, Visit visit) {
        for (const xercesc::DOMNode* node = parent.getFirstChild(); node != nullptr;
             node = node->getNextSibling())
            if (node->getNodeType() == xercesc::DOMNode::ELEMENT_NODE)
                visit(static_cast<const xercesc::DOMElement&>(*node));
    }
};

} // namespace Orvik
