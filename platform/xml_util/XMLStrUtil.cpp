#include "xml_util/XMLStrUtil.h"

#include "orvik/api/GeneralException.h"
#include "orvik/api/StringUtil.h"
#include "orvik/api/Unicode.h"
#include "xml_util/Base64.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

bool ToFiniteDouble(std::string_view token, double& value) {
    double parsed = 0.0;
    if (!StringUtil::ToDouble(UTF16String(std::string(token)), parsed) || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
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
        if (token.empty() || !ToFiniteDouble(token, value)) {
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
    return text != nullptr && StringUtil::ToDouble(UTF16String(text), value);
}

bool XMLStrUtil::XMLStrToDouble(const UTF16String& text, double& value) {
    return StringUtil::ToDouble(text, value);
}

bool XMLStrUtil::XMLStrToInt(const XMLCh* text, int& value) {
    return text != nullptr && StringUtil::ToInt(UTF16String(text), value);
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
