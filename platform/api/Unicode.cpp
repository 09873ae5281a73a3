#include "orvik/api/Unicode.h"

#include <cstdint>

namespace Orvik::Unicode {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

char32_t CombineSurrogates(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

char32_t Sanitized(char32_t codePoint) {
    return (codePoint > kMaxCodePoint || IsSurrogate(codePoint)) ? kReplacement : codePoint;
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// The first continuation byte carries the checks against overlong forms, surrogates and
// values above U+10FFFF, so each lead byte narrows its range.
struct LeadByte {
    int continuationCount = -1;
    std::uint8_t firstLow = 0x80;
    std::uint8_t firstHigh = 0xBF;
    char32_t bits = 0;
};

LeadByte ClassifyLead(std::uint8_t byte) {
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1, 0x80, 0xBF, static_cast<char32_t>(byte & 0x1F)};
    if (byte >= 0xE0 && byte <= 0xEF) {
        const std::uint8_t low = byte == 0xE0 ? 0xA0 : 0x80;
        const std::uint8_t high = byte == 0xED ? 0x9F : 0xBF;
        return {2, low, high, static_cast<char32_t>(byte & 0x0F)};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        const std::uint8_t low = byte == 0xF0 ? 0x90 : 0x80;
        const std::uint8_t high = byte == 0xF4 ? 0x8F : 0xBF;
        return {3, low, high, static_cast<char32_t>(byte & 0x07)};
    }
    return {};
}

// Decodes one sequence at `pos` and advances past it. A broken sequence yields one
// replacement for its longest valid prefix, so the byte that broke it is decoded afresh.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos++]);
    if (lead < 0x80)
        return lead;
    const LeadByte info = ClassifyLead(lead);
    if (info.continuationCount < 0)
        return kReplacement;
    char32_t codePoint = info.bits;
    for (int i = 0; i < info.continuationCount; ++i) {
        if (pos >= text.size())
            return kReplacement;
        const auto byte = static_cast<std::uint8_t>(text[pos]);
        const std::uint8_t low = i == 0 ? info.firstLow : 0x80;
        const std::uint8_t high = i == 0 ? info.firstHigh : 0xBF;
        if (byte < low || byte > high)
            return kReplacement;
        codePoint = (codePoint << 6) | (byte & 0x3F);
        ++pos;
    }
    return codePoint;
}

// Decodes one code point from UTF-16 units; a lone surrogate becomes the replacement.
template <typename Unit>
char32_t DecodeUtf16(std::basic_string_view<Unit> text, std::size_t& pos) {
    const auto unit = static_cast<char32_t>(text[pos++]);
    if (!IsSurrogate(unit))
        return unit;
    if (IsHighSurrogate(unit) && pos < text.size()) {
        const auto next = static_cast<char32_t>(text[pos]);
        if (IsLowSurrogate(next)) {
            ++pos;
            return CombineSurrogates(unit, next);
        }
    }
    return kReplacement;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        AppendUtf16(out, DecodeUtf8(text, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        AppendUtf8(out, DecodeUtf16(text, pos));
    return out;
}

std::u16string WideToUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if constexpr (sizeof(wchar_t) == 2)
            AppendUtf16(out, DecodeUtf16(text, pos));
        else
            AppendUtf16(out, Sanitized(static_cast<char32_t>(text[pos++])));
    }
    return out;
}

std::wstring Utf16ToWide(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t codePoint = DecodeUtf16(text, pos);
        if constexpr (sizeof(wchar_t) == 2) {
            std::u16string units;
            AppendUtf16(units, codePoint);
            out.append(units.begin(), units.end());
        } else {
            out.push_back(static_cast<wchar_t>(codePoint));
        }
    }
    return out;
}

} // namespace Orvik::Unicode
