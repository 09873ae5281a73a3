#include "xml_util/XMLStrUtil.h"

#include "orvik/api/GeneralException.h"
#include "orvik/api/Unicode.h"
#include "xml_util/Base64.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <unordered_map>
#include <utility>

namespace Orvik {

namespace {

using UnitName = std::pair<UnitTypeEnum, const char*>;

constexpr std::array<UnitName, 25> kUnitNames{{
    {UnitTypeEnum::kUnitType_Unknown, "Unknown"},
    {UnitTypeEnum::kUnitType_Millimeter, "Millimeter"},
    {UnitTypeEnum::kUnitType_Centimeter, "Centimeter"},
    {UnitTypeEnum::kUnitType_Decimeter, "Decimeter"},
    {UnitTypeEnum::kUnitType_Meter, "Meter"},
    {UnitTypeEnum::kUnitType_Kilometer, "Kilometer"},
    {UnitTypeEnum::kUnitType_Micrometer, "Micrometer"},
    {UnitTypeEnum::kUnitType_Nanometer, "Nanometer"},
    {UnitTypeEnum::kUnitType_Inch, "Inch"},
    {UnitTypeEnum::kUnitType_Foot, "Foot"},
    {UnitTypeEnum::kUnitType_Yard, "Yard"},
    {UnitTypeEnum::kUnitType_Mile, "Mile"},
    {UnitTypeEnum::kUnitType_Mil, "Mil"},
    {UnitTypeEnum::kUnitType_Microinch, "Microinch"},
    {UnitTypeEnum::kUnitType_Radian, "Radian"},
    {UnitTypeEnum::kUnitType_Degree, "Degree"},
    {UnitTypeEnum::kUnitType_Gram, "Gram"},
    {UnitTypeEnum::kUnitType_Kilogram, "Kilogram"},
    {UnitTypeEnum::kUnitType_Pound, "Pound"},
    {UnitTypeEnum::kUnitType_Ounce, "Ounce"},
    {UnitTypeEnum::kUnitType_Ton, "Ton"},
    {UnitTypeEnum::kUnitType_Second, "Second"},
    {UnitTypeEnum::kUnitType_Minute, "Minute"},
    {UnitTypeEnum::kUnitType_Hour, "Hour"},
    {UnitTypeEnum::kUnitType_Millisecond, "Millisecond"},
}};

const std::unordered_map<std::string, UnitTypeEnum>& UnitsByName() {
    static const auto units = [] {
        std::unordered_map<std::string, UnitTypeEnum> map;
        for (const auto& [unit, name] : kUnitNames) {
            map.emplace(name, unit);
            map.emplace(std::string("kUnitType_") + name, unit);
        }
        return map;
    }();
    return units;
}

// Room for any number a writer produces, even a large one in fixed notation.
constexpr std::size_t kNumberBufferSize = 128;

template <typename Char>
bool IsBlank(Char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

template <typename Char>
std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// from_chars takes no leading '+'; documents may still write one, though not before a sign.
template <typename Char>
bool DropPlusSign(std::basic_string_view<Char>& text) {
    if (text.empty() || text.front() != '+') {
        return true;
    }
    if (text.size() == 1 || text[1] == '-' || text[1] == '+') {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// from_chars never consults a locale, so "." is the decimal separator whatever the host set.
template <typename T>
bool FromCharsWhole(const char* first, const char* last, T& value) {
    T parsed{};
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last) {
        return false;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(parsed)) {
            return false;
        }
    }
    value = parsed;
    return true;
}

// Numbers are plain ASCII; any other character makes the text no number.
bool NarrowAscii(std::u16string_view text, char* out) {
    for (const char16_t c : text) {
        if (c > 0x7F) {
            return false;
        }
        *out++ = static_cast<char>(c);
    }
    return true;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    text = TrimBlanks(text);
    if (!DropPlusSign(text) || text.empty()) {
        return false;
    }
    return FromCharsWhole(text.data(), text.data() + text.size(), value);
}

// Text too long for the stack buffer (leading zeros, hundreds of digits) is still a number.
template <typename T>
bool ParseLongNumber(std::u16string_view text, T& value) {
    std::string ascii(text.size(), '\0');
    return NarrowAscii(text, ascii.data()) &&
           FromCharsWhole(ascii.data(), ascii.data() + ascii.size(), value);
}

template <typename T>
bool ParseNumber(std::u16string_view text, T& value) {
    text = TrimBlanks(text);
    if (!DropPlusSign(text) || text.empty()) {
        return false;
    }
    if (text.size() > kNumberBufferSize) {
        return ParseLongNumber(text, value);
    }
    char buffer[kNumberBufferSize];
    return NarrowAscii(text, buffer) && FromCharsWhole(buffer, buffer + text.size(), value);
}

// Numbers separated by blanks and at most one comma each; stops early once the text holds
// more than maxCount of them, so hostile text costs no more than its own length.
bool ParseNumberList(std::string_view text, std::size_t maxCount, std::vector<double>& numbers) {
    std::size_t pos = SkipBlanks(text, 0);
    while (pos < text.size()) {
        if (numbers.size() == maxCount) {
            return false;
        }
        const std::size_t end = text.find_first_of(" \t\r\n,", pos);
        const std::string_view token =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        double value = 0.0;
        if (token.empty() || !ParseNumber(token, value)) {
            return false;
        }
        numbers.push_back(value);
        pos = SkipBlanks(text, pos + token.size());
        if (pos < text.size() && text[pos] == ',') {
            pos = SkipBlanks(text, pos + 1);
            if (pos == text.size()) {
                return false;
            }
        }
    }
    return true;
}

template <typename Char>
std::vector<std::basic_string<Char>> SplitDroppingEmpty(std::basic_string_view<Char> text,
                                                        Char separator) {
    std::vector<std::basic_string<Char>> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::basic_string_view<Char>::npos) {
            end = text.size();
        }
        if (end > start) {
            pieces.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return pieces;
}

} // namespace

bool XMLStrUtil::XMLStrToDouble(const XMLCh* text, double& value) {
    return text != nullptr && ParseNumber(std::u16string_view(text), value);
}

bool XMLStrUtil::XMLStrToDouble(const UTF16String& text, double& value) {
    return ParseNumber(std::u16string_view(text.Value()), value);
}

bool XMLStrUtil::XMLStrToInt(const XMLCh* text, int& value) {
    return text != nullptr && ParseNumber(std::u16string_view(text), value);
}

bool XMLStrUtil::XMLBooleanStrToInt(const XMLCh* text, int& value) {
    if (text == nullptr) {
        return false;
    }
    const std::u16string_view view(text);
    if (view == u"true" || view == u"True" || view == u"TRUE" || view == u"1") {
        value = 1;
        return true;
    }
    if (view == u"false" || view == u"False" || view == u"FALSE" || view == u"0") {
        value = 0;
        return true;
    }
    return false;
}

UTF16String XMLStrUtil::XMLStrToWStr(const XMLCh* text) {
    return text ? UTF16String(text) : UTF16String();
}

UTF8String XMLStrUtil::XMLStrToAStr(const XMLCh* text) {
    return text ? UTF8String(Unicode::Utf16ToUtf8(text)) : UTF8String();
}

UTF8String XMLStrUtil::UnitTypeName(UnitTypeEnum unit) {
    for (const auto& [known, name] : kUnitNames) {
        if (known == unit) {
            return UTF8String(std::string("kUnitType_") + name);
        }
    }
    return UTF8String("kUnitType_Unknown");
}

bool XMLStrUtil::StringToUnitType(const UTF8String& name, UnitTypeEnum& unit) {
    const auto& units = UnitsByName();
    const auto found = units.find(name.Value());
    if (found == units.end()) {
        return false;
    }
    unit = found->second;
    return true;
}

bool XMLStrUtil::ToUnitVector(const UTF8String& text, UnitVector& vector) {
    std::vector<double> xyz;
    if (!ParseNumberList(text.Value(), 3, xyz) || xyz.size() != 3) {
        return false;
    }
    try {
        vector = UnitVector(xyz[0], xyz[1], xyz[2]);
    } catch (const GeneralException&) {
        return false;
    }
    return true;
}

bool XMLStrUtil::GetTransfFromStr(const UTF8String& text, Matrix3d& matrix) {
    std::vector<double> numbers;
    numbers.reserve(16);
    if (!ParseNumberList(text.Value(), 16, numbers)) {
        return false;
    }
    if (numbers.size() == 12) {
        numbers.insert(numbers.end(), {0.0, 0.0, 0.0, 1.0});
    }
    if (numbers.size() != 16) {
        return false;
    }
    std::array<double, 16> rowMajor{};
    std::copy(numbers.begin(), numbers.end(), rowMajor.begin());
    matrix = Matrix3d(rowMajor);
    return true;
}

std::vector<UTF16String> XMLStrUtil::SplitStr(const UTF16String& text, char16_t separator) {
    const auto pieces = SplitDroppingEmpty<char16_t>(text.Value(), separator);
    return {pieces.begin(), pieces.end()};
}

std::vector<UTF8String> XMLStrUtil::SplitStr(const UTF8String& text, char separator) {
    const auto pieces = SplitDroppingEmpty<char>(text.Value(), separator);
    return {pieces.begin(), pieces.end()};
}

bool XMLStrUtil::NeedBase64Code(const UTF8String& typeId) {
    constexpr std::string_view suffix = ":Base64";
    const std::string& id = typeId.Value();
    return id.size() >= suffix.size() &&
           id.compare(id.size() - suffix.size(), suffix.size(), suffix.data(), suffix.size()) == 0;
}

std::string XMLStrUtil::FromBase64(std::string_view text) {
    std::string bytes;
    return FromBase64(text, bytes) ? bytes : std::string();
}

bool XMLStrUtil::FromBase64(std::string_view text, std::string& bytes) {
    return Base64::Decode(text, bytes);
}

std::string XMLStrUtil::ToBase64(std::string_view bytes) {
    return Base64::Encode(bytes);
}

UTF16String XMLStrUtil::ToGenericWStringPath(const UTF16String& path) {
    std::u16string generic = path.Value();
    std::replace(generic.begin(), generic.end(), u'\\', u'/');
    return generic;
}

} // namespace Orvik
