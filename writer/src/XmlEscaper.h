#pragma once

#include <string>
#include <string_view>

namespace Orvik::Writer {

// Validation and escaping live together so no unchecked byte can reach the output.
class XmlEscaper {
public:
    // `context` names the element or attribute for the error message.
    static std::string EscapeText(std::string_view text, std::string_view context);
    static std::string EscapeAttributeValue(std::string_view value, std::string_view context);
    static bool IsValidName(std::string_view name);
};

} // namespace Orvik::Writer
