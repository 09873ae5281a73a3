#include "orvik/api/UTF8String.h"

#include "orvik/api/UTF16String.h"
#include "orvik/api/Unicode.h"

#include <ostream>

namespace Orvik {

namespace {

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

UTF8String::UTF8String(const char* text) {
    if (text)
        m_value = text;
}

UTF8String::UTF8String(const UTF16String& text)
    : m_value(Unicode::Utf16ToUtf8(text.Value())) {}

UTF8String::UTF8String(const wchar_t* text) {
    if (text)
        m_value = Unicode::Utf16ToUtf8(Unicode::WideToUtf16(text));
}

int UTF8String::Compare(const UTF8String& other) const {
    return m_value.compare(other.m_value);
}

UTF8String UTF8String::Trim() const {
    std::size_t begin = 0;
    std::size_t end = m_value.size();
    while (begin < end && IsAsciiBlank(m_value[begin]))
        ++begin;
    while (end > begin && IsAsciiBlank(m_value[end - 1]))
        --end;
    return UTF8String(m_value.substr(begin, end - begin));
}

UTF8String& UTF8String::operator+=(const UTF8String& other) {
    m_value += other.m_value;
    return *this;
}

std::ostream& operator<<(std::ostream& out, const UTF8String& text) {
    return out << text.Value();
}

} // namespace Orvik
