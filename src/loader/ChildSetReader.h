#pragma once

#include "loader/KindTable.h"
#include "orvik/api/UTF8String.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

namespace Orvik {

class ReadContext;

// Reads the entries of a container's child set through the kind table: each entry of a kind
// the place admits is made, completed or found, and its id handed on.
class ChildSetReader {
public:
    struct Entry {
        // The child to list; empty when the entry yields none.
        UTF8String id;
        // A failed entry of a kind that ends the set.
        bool stopsSet = false;
    };

    // Hands each child's id to `add`, in document order; false when a failed entry of a kind
    // that stops the set ended the walk.
    template <typename Add>
    static bool Read(const xercesc::DOMElement& set, Place place, ReadContext& context, Add add) {
        for (const xercesc::DOMNode* node = set.getFirstChild(); node != nullptr;
             node = node->getNextSibling()) {
            if (node->getNodeType() != xercesc::DOMNode::ELEMENT_NODE)
                continue;
            const Entry entry =
                ReadEntry(static_cast<const xercesc::DOMElement&>(*node), place, context);
            if (entry.stopsSet)
                return false;
            if (!entry.id.IsEmpty())
                add(entry.id);
        }
        return true;
    }

    static Entry ReadEntry(const xercesc::DOMElement& element, Place place, ReadContext& context);

    // Sizes a container's child list for its first set; later sets grow it as usual, so many
    // sets never cost a reallocation each.
    template <typename Child>
    static void SizeForFirstSet(const xercesc::DOMElement& set, std::vector<Child>& children) {
        if (children.empty())
            children.reserve(set.getChildElementCount());
    }
};

} // namespace Orvik
