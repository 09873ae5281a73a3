#pragma once

#include <string>
#include <type_traits>
#include <xercesc/util/XercesDefs.hpp>

namespace Orvik {

static_assert(std::is_same_v<XMLCh, char16_t>, "DOM text is expected to be UTF-16 char16_t");

// UTF-8 text as DOM text. Xerces' own transcoder follows the local code page, which would
// garble non-ASCII paths, so the conversion goes through the framework's Unicode helpers.
class XStr {
public:
    explicit XStr(const char* text);
    explicit XStr(const std::string& text);

    const XMLCh* unicodeForm() const { return m_text.c_str(); }

private:
    std::u16string m_text;
};

} // namespace Orvik
