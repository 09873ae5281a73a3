#include "aec/NumericAttribute.h"

#include "orvik/api/StringUtil.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

// The attribute's text, or null when the element has no such attribute.
const XMLCh* PresentText(const DOMElement& element, const XMLCh* name) {
    return element.getAttributeNode(name) != nullptr ? element.getAttribute(name) : nullptr;
}

template <typename Value, typename Parse>
bool Read(const DOMElement& element, const XMLCh* name, Value& value,
          const NumericAttribute::ReportUnparsable& report, Parse parse) {
    const XMLCh* text = PresentText(element, name);
    if (text == nullptr)
        return false;
    Value parsed{};
    if (!parse(text, parsed)) {
        parsed = Value{};
        if (report)
            report(element, name);
    }
    value = parsed;
    return true;
}

} // namespace

bool NumericAttribute::ReadDouble(const DOMElement& element, const XMLCh* name, double& value,
                                  const ReportUnparsable& report) {
    return Read(element, name, value, report, [](const XMLCh* text, double& parsed) {
        return XMLStrUtil::XMLStrToDouble(text, parsed);
    });
}

bool NumericAttribute::ReadInt(const DOMElement& element, const XMLCh* name, int& value,
                               const ReportUnparsable& report) {
    return Read(element, name, value, report, [](const XMLCh* text, int& parsed) {
        return XMLStrUtil::XMLStrToInt(text, parsed);
    });
}

bool NumericAttribute::ReadUnsigned(const DOMElement& element, const XMLCh* name,
                                    std::uint64_t& value, const ReportUnparsable& report) {
    return Read(element, name, value, report, [](const XMLCh* text, std::uint64_t& parsed) {
        return StringUtil::ToUnsignedlong(UTF16String(text), parsed);
    });
}

} // namespace Orvik
