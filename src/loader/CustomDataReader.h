#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/Variant.h"

#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;
class XMLUniverse;

// Reads the typed key-value items of a "CustomData" element into the universe.
class CustomDataReader {
public:
    using DOMElement = xercesc::DOMElement;
    using DOMNode = xercesc::DOMNode;

    // False only without an element. An item whose type is no integer is dropped whole; one
    // whose value cannot be read keeps its key without a value. Blob files pass the side-file
    // gate of the load.
    static bool ReadCustomData(ReadContext& context, XMLUniverse* universe,
                               const DOMElement* element);

private:
    static void ReadItem(ReadContext& context, XMLUniverse& universe, const DOMNode* item);
    static std::optional<Variant> ReadValue(ReadContext& context, int type, const DOMNode* item);
    static Variant ReadBool(const UTF16String& text);
    static Variant ReadTime(const UTF16String& text);
    static std::optional<Variant> ReadBlob(ReadContext& context, const DOMNode* item);
    static std::optional<Variant> ReadIdSet(const DOMNode* item);
};

} // namespace Orvik
