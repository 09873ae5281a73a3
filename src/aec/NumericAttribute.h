#pragma once

#include <cstdint>
#include <functional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// Number attributes of the style, texture and material readers, read by one rule: a present
// attribute always sets its value, and text that is not a number sets 0 and is reported.
class NumericAttribute {
public:
    // Told of each attribute whose text was not a number.
    using ReportUnparsable = std::function<void(const xercesc::DOMElement&, const XMLCh* name)>;

    // False, and the value untouched, when the attribute is absent.
    static bool ReadDouble(const xercesc::DOMElement& element, const XMLCh* name, double& value,
                           const ReportUnparsable& report);
    static bool ReadInt(const xercesc::DOMElement& element, const XMLCh* name, int& value,
                        const ReportUnparsable& report);
    static bool ReadUnsigned(const xercesc::DOMElement& element, const XMLCh* name,
                             std::uint64_t& value, const ReportUnparsable& report);
};

} // namespace Orvik
