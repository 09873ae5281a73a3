#include "orvik/api/StringUtil.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace Orvik {

namespace {

constexpr char16_t kPathSeparators[] = u"/\\";
constexpr std::u16string_view kFileNameForbidden = u"<>:\"/\\|?*";

bool IsPathSeparator(char16_t c) {
    return c == u'/' || c == u'\\';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Numbers are plain ASCII; from_chars takes no leading '+', documents may still write one.
std::optional<std::string> NumberText(const UTF16String& text) {
    const UTF16String trimmed = text.Trim();
    std::string ascii;
    ascii.reserve(trimmed.Length());
    for (const char16_t c : trimmed.Value()) {
        if (c > 0x7F)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    if (!ascii.empty() && ascii.front() == '+') {
        if (ascii.size() == 1 || ascii[1] == '-' || ascii[1] == '+')
            return std::nullopt;
        ascii.erase(0, 1);
    }
    if (ascii.empty())
        return std::nullopt;
    return ascii;
}

// from_chars never consults a locale, so "." is the decimal separator whatever the host set.
template <typename T, typename... Format>
bool ParseWhole(const UTF16String& text, T& value, Format... format) {
    const std::optional<std::string> ascii = NumberText(text);
    if (!ascii)
        return false;
    const char* first = ascii->data();
    const char* last = first + ascii->size();
    T parsed{};
    const auto [end, error] = std::from_chars(first, last, parsed, format...);
    if (error != std::errc() || end != last)
        return false;
    value = parsed;
    return true;
}

template <typename T>
bool ParseInteger(const UTF16String& text, T& value, int base) {
    // from_chars has undefined behaviour for other bases.
    if (base < 2 || base > 36)
        return false;
    return ParseWhole(text, value, base);
}

template <typename T>
bool ParseFinite(const UTF16String& text, T& value) {
    T parsed{};
    if (!ParseWhole(text, parsed) || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::size_t FileNameStart(const std::u16string& path) {
    const std::size_t separator = path.find_last_of(kPathSeparators);
    return separator == std::u16string::npos ? 0 : separator + 1;
}

// A leading dot marks a hidden name, not an extension; "." and ".." have none either.
std::size_t ExtensionStart(const std::u16string& path) {
    const std::size_t nameStart = FileNameStart(path);
    const std::u16string_view name = std::u16string_view(path).substr(nameStart);
    const std::size_t dot = name.find_last_of(u'.');
    if (dot == std::u16string_view::npos || dot == 0 || name == u"..")
        return std::u16string::npos;
    return nameStart + dot;
}

} // namespace

bool StringUtil::ToDouble(const UTF16String& text, double& value) {
    return ParseFinite(text, value);
}

bool StringUtil::ToFloat(const UTF16String& text, float& value) {
    return ParseFinite(text, value);
}

bool StringUtil::ToInt(const UTF16String& text, int& value, int base) {
    return ParseInteger(text, value, base);
}

bool StringUtil::ToLong(const UTF16String& text, std::int64_t& value, int base) {
    return ParseInteger(text, value, base);
}

bool StringUtil::ToUnsignedlong(const UTF16String& text, std::uint64_t& value, int base) {
    return ParseInteger(text, value, base);
}

UTF8String StringUtil::FromUnsignedlong(std::uint64_t value) {
    return UTF8String(std::to_string(value));
}

std::vector<UTF16String> StringUtil::Split(const UTF16String& text, char16_t separator) {
    std::vector<UTF16String> parts;
    const std::u16string_view whole = text.Value();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = whole.find(separator, start);
        if (end == std::u16string_view::npos) {
            parts.emplace_back(whole.substr(start));
            return parts;
        }
        parts.emplace_back(whole.substr(start, end - start));
        start = end + 1;
    }
}

UTF16String StringUtil::ExtractBranchPath(const UTF16String& path) {
    const std::u16string& value = path.Value();
    const std::size_t separator = value.find_last_of(kPathSeparators);
    if (separator == std::u16string::npos)
        return UTF16String();
    // The parent of a name at the root is the root itself.
    return UTF16String(value.substr(0, separator == 0 ? 1 : separator));
}

UTF16String StringUtil::ReplaceExtension(const UTF16String& path, const UTF16String& extension) {
    const std::u16string& value = path.Value();
    std::u16string result = value.substr(0, ExtensionStart(value));
    if (!extension.IsEmpty()) {
        if (extension.Value().front() != u'.')
            result.push_back(u'.');
        result += extension.Value();
    }
    return UTF16String(std::move(result));
}

bool StringUtil::IsAbsolutePath(const UTF16String& path) {
    const std::u16string& value = path.Value();
    if (!value.empty() && IsPathSeparator(value[0]))
        return true;
    return value.size() >= 3 && IsAsciiLetter(value[0]) && value[1] == u':' &&
           IsPathSeparator(value[2]);
}

UTF16String StringUtil::ReplaceUnsupportCharacters(const UTF16String& name) {
    std::u16string result = name.Value();
    for (char16_t& c : result) {
        if (c < 0x20 || kFileNameForbidden.find(c) != std::u16string_view::npos)
            c = u'_';
    }
    return UTF16String(std::move(result));
}

} // namespace Orvik
