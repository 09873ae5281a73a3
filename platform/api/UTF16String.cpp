#include "orvik/api/UTF16String.h"

#include "orvik/api/UTF8String.h"
#include "orvik/api/Unicode.h"

#include <ostream>

namespace Orvik {

namespace {

bool IsAsciiBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

UTF16String::UTF16String(const char16_t* text) {
    if (text)
        m_value = text;
}

UTF16String::UTF16String(const char* text) {
    if (text)
        m_value = Unicode::Utf8ToUtf16(text);
}

UTF16String::UTF16String(const std::string& text)
    : m_value(Unicode::Utf8ToUtf16(text)) {}

UTF16String::UTF16String(const UTF8String& text)
    : m_value(Unicode::Utf8ToUtf16(text.Value())) {}

UTF16String::UTF16String(const wchar_t* text) {
    if (text)
        m_value = Unicode::WideToUtf16(text);
}

UTF16String::UTF16String(const std::wstring& text)
    : m_value(Unicode::WideToUtf16(text)) {}

int UTF16String::Compare(const UTF16String& other) const {
    return m_value.compare(other.m_value);
}

UTF16String UTF16String::Trim() const {
    std::size_t begin = 0;
    std::size_t end = m_value.size();
    while (begin < end && IsAsciiBlank(m_value[begin]))
        ++begin;
    while (end > begin && IsAsciiBlank(m_value[end - 1]))
        --end;
    return UTF16String(m_value.substr(begin, end - begin));
}

std::string UTF16String::ToUTF8() const {
    return Unicode::Utf16ToUtf8(m_value);
}

std::wstring UTF16String::ToWide() const {
    return Unicode::Utf16ToWide(m_value);
}

UTF16String& UTF16String::operator+=(const UTF16String& other) {
    m_value += other.m_value;
    return *this;
}

std::ostream& operator<<(std::ostream& out, const UTF16String& text) {
    return out << text.ToUTF8();
}

} // namespace Orvik
