#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace Orvik {

class UTF16String;

// Narrow text, always UTF-8. Conversion to and from UTF16String is lossless for valid text.
class UTF8String {
public:
    UTF8String() = default;
    UTF8String(const char* text);
    UTF8String(std::string text)
        : m_value(std::move(text)) {}
    UTF8String(std::string_view text)
        : m_value(text) {}
    explicit UTF8String(const UTF16String& text);
    explicit UTF8String(const wchar_t* text);

    const std::string& Value() const { return m_value; }
    const char* CStr() const { return m_value.c_str(); }
    std::size_t Length() const { return m_value.size(); }
    bool IsEmpty() const { return m_value.empty(); }

    // Negative, zero or positive as in std::string::compare.
    int Compare(const UTF8String& other) const;
    UTF8String Trim() const;

    UTF8String& operator+=(const UTF8String& other);
    friend UTF8String operator+(UTF8String lhs, const UTF8String& rhs) { return lhs += rhs; }

    friend bool operator==(const UTF8String& a, const UTF8String& b) {
        return a.m_value == b.m_value;
    }
    friend bool operator!=(const UTF8String& a, const UTF8String& b) { return !(a == b); }
    friend bool operator<(const UTF8String& a, const UTF8String& b) {
        return a.m_value < b.m_value;
    }

private:
    std::string m_value;
};

// Writes the text as UTF-8.
std::ostream& operator<<(std::ostream& out, const UTF8String& text);

} // namespace Orvik

template <>
struct std::hash<Orvik::UTF8String> {
    std::size_t operator()(const Orvik::UTF8String& s) const noexcept {
        return std::hash<std::string>()(s.Value());
    }
};
