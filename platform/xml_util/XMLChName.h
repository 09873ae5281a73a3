#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <xercesc/util/XercesDefs.hpp>

namespace Orvik {

static_assert(std::is_same_v<XMLCh, char16_t>, "DOM text is expected to be UTF-16 char16_t");

// An element or attribute name as DOM text, converted at compile time so that name comparisons
// never transcode. Names of the document are ASCII; anything else is refused at compile time.
template <std::size_t N>
class XMLChName {
public:
    constexpr XMLChName(const char (&name)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            if (static_cast<unsigned char>(name[i]) > 0x7F) {
                throw std::logic_error("XMLChName takes ASCII names only");
            }
            m_text[i] = static_cast<XMLCh>(name[i]);
        }
    }

    constexpr const XMLCh* CStr() const { return m_text; }
    constexpr operator const XMLCh*() const { return m_text; }
    constexpr std::u16string_view View() const { return {m_text, N - 1}; }

private:
    XMLCh m_text[N]{};
};

} // namespace Orvik
