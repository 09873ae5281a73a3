#include "xml_util/XStr.h"

#include "orvik/api/Unicode.h"

namespace Orvik {

XStr::XStr(const char* text)
    : m_text(text ? Unicode::Utf8ToUtf16(text) : std::u16string()) {}

XStr::XStr(const std::string& text)
    : m_text(Unicode::Utf8ToUtf16(text)) {}

} // namespace Orvik
