#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/IsValueSpecifiedEnum.h"

#include <cstdint>
#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Reads the attributes of the text elements into values that may be absent. An absent
// attribute leaves its value as it was; one that does not parse does too, and is recorded.
class TextAttributeReader {
public:
    TextAttributeReader(const xercesc::DOMElement& element, ReadContext& context)
        : m_element(element)
        , m_context(context) {}

    // The attribute's text, or null when the element has no such attribute.
    const XMLCh* Text(const XMLCh* name) const;
    void ReadDouble(const XMLCh* name, std::optional<double>& value) const;
    void ReadInt(const XMLCh* name, std::optional<std::int32_t>& value) const;
    // True only for the text `trueText` exactly; any text counts as given.
    void ReadFlag(const XMLCh* name, const XMLCh* trueText, std::optional<bool>& value) const;
    // Set only when "FractionRed", "FractionGreen", "FractionBlue" and "FractionAlpha" are all
    // there and all parse; otherwise the colour is left as it was.
    void ReadColor(Color& color) const;

    // The answer of an operation on a value that may be absent.
    template <typename Value>
    static IsValueSpecifiedEnum Answer(const std::optional<Value>& field, Value& out) {
        if (!field)
            return IsValueSpecifiedEnum::kUnspecified;
        out = *field;
        return IsValueSpecifiedEnum::kSpecified;
    }

private:
    // False, recorded, when the attribute is there and is no number.
    bool ParseDouble(const XMLCh* name, double& value) const;
    void ReportUnparsable(const XMLCh* name, const XMLCh* text) const;

    const xercesc::DOMElement& m_element;
    ReadContext& m_context;
};

} // namespace Orvik
