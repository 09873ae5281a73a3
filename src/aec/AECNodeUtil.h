#pragma once

#include "orvik/api/UTF8String.h"

#include <vector>
#include <xercesc/dom/DOMNode.hpp>

namespace Orvik {

// DOM helpers shared by the owner-history readers.
class AECNodeUtil {
public:
    using DOMNode = xercesc::DOMNode;

    static bool IsElementNamed(const DOMNode* node, const XMLCh* name);
    // Empty when absent.
    static UTF8String AttributeOrEmpty(const DOMNode* node, const XMLCh* name);
    // The text of each child element named itemName, in document order.
    static std::vector<UTF8String> ItemTexts(const DOMNode* set, const XMLCh* itemName);

    // An absent attribute leaves the record's value alone.
    template <typename Record, typename Owner>
    static void SetIfPresent(const DOMNode* node, const XMLCh* name, Record& record,
                             void (Owner::*setter)(const UTF8String&)) {
        UTF8String value;
        if (ReadAttribute(node, name, value))
            (record.*setter)(value);
    }

    template <typename Record, typename Owner>
    static void AddItemTexts(const DOMNode* set, const XMLCh* itemName, Record& record,
                             void (Owner::*adder)(const UTF8String&)) {
        for (const UTF8String& text : ItemTexts(set, itemName))
            (record.*adder)(text);
    }

private:
    static bool ReadAttribute(const DOMNode* node, const XMLCh* name, UTF8String& value);
};

} // namespace Orvik
