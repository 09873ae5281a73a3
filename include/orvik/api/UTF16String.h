#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace Orvik {

class UTF8String;

// Wide text as UTF-16 code units, the same unit as the DOM's text.
class UTF16String {
public:
    UTF16String() = default;
    UTF16String(const char16_t* text);
    UTF16String(std::u16string text)
        : m_value(std::move(text)) {}
    UTF16String(std::u16string_view text)
        : m_value(text) {}
    // Narrow text is taken as UTF-8.
    explicit UTF16String(const char* text);
    explicit UTF16String(const std::string& text);
    explicit UTF16String(const UTF8String& text);
    explicit UTF16String(const wchar_t* text);
    explicit UTF16String(const std::wstring& text);

    const std::u16string& Value() const { return m_value; }
    const char16_t* CStr() const { return m_value.c_str(); }
    std::size_t Length() const { return m_value.size(); }
    bool IsEmpty() const { return m_value.empty(); }

    // Ordinal comparison of the code units; letter case counts.
    int Compare(const UTF16String& other) const;
    UTF16String Trim() const;
    std::string ToUTF8() const;
    std::wstring ToWide() const;

    UTF16String& operator+=(const UTF16String& other);
    friend UTF16String operator+(UTF16String lhs, const UTF16String& rhs) { return lhs += rhs; }

    friend bool operator==(const UTF16String& a, const UTF16String& b) {
        return a.m_value == b.m_value;
    }
    friend bool operator!=(const UTF16String& a, const UTF16String& b) { return !(a == b); }
    friend bool operator<(const UTF16String& a, const UTF16String& b) {
        return a.m_value < b.m_value;
    }

private:
    std::u16string m_value;
};

// Writes the text as UTF-8.
std::ostream& operator<<(std::ostream& out, const UTF16String& text);

} // namespace Orvik

template <>
struct std::hash<Orvik::UTF16String> {
    std::size_t operator()(const Orvik::UTF16String& s) const noexcept {
        return std::hash<std::u16string>()(s.Value());
    }
};
