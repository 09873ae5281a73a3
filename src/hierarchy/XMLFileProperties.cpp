#include "hierarchy/XMLFileProperties.h"

#include "loader/ElementWalk.h"
#include "orvik/api/NumericConverter.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <optional>

namespace Orvik {
namespace {

using xercesc::DOMElement;

enum class CustomKind { kString, kInt, kDouble, kBool, kTime };

constexpr std::array<std::pair<const char16_t*, CustomKind>, 5> kCustomKinds{{
    {u"kString", CustomKind::kString},
    {u"kInt", CustomKind::kInt},
    {u"kDouble", CustomKind::kDouble},
    {u"kBool", CustomKind::kBool},
    {u"kTime", CustomKind::kTime},
}};

// A type the list does not know is read as text.
CustomKind KindOfType(const UTF16String& type) {
    for (const auto& [name, kind] : kCustomKinds)
        if (type.Value() == name)
            return kind;
    return CustomKind::kString;
}

// Empty when the value cannot stand for its kind; only a time can fail so.
std::optional<Variant> TypedValue(CustomKind kind, const UTF16String& text) {
    switch (kind) {
    case CustomKind::kString:
        return Variant(text);
    case CustomKind::kInt: {
        int value = 0;
        XMLStrUtil::XMLStrToInt(text.CStr(), value);
        return Variant(value);
    }
    case CustomKind::kDouble: {
        double value = 0.0;
        XMLStrUtil::XMLStrToDouble(text, value);
        return Variant(value);
    }
    case CustomKind::kBool:
        return Variant(text.Compare(UTF16String(u"True")) == 0);
    case CustomKind::kTime: {
        Time time;
        if (!time.FromString(UTF8String(text)))
            return std::nullopt;
        return Variant(time);
    }
    }
    return Variant(text);
}

std::optional<CustomProperty> ReadCustomProperty(const DOMElement& element) {
    const CustomKind kind = KindOfType(UTF16String(element.getAttribute(u"Type")));
    std::optional<Variant> value = TypedValue(kind, UTF16String(element.getAttribute(u"Value")));
    if (!value)
        return std::nullopt;
    CustomProperty property;
    property.SetProperty(UTF16String(element.getAttribute(u"Key")), *value);
    return property;
}

} // namespace

XMLFileProperties::XMLFileProperties(const DOMElement& element) {
    ElementWalk::ForEachChildElement(element, [this](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"CustomProperties"))
            ReadCustomProperties(child);
        else if (ElementWalk::IsNamedIgnoringCase(child, u"ViewData"))
            ReadViewData(child);
        else
            AddProperty(child);
    });
}

// The view vectors are kept in the table, though no operation answers them.
void XMLFileProperties::ReadViewData(const DOMElement& viewData) {
    ElementWalk::ForEachChildElement(viewData, [this](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"UpVector") || ElementWalk::IsNamed(child, u"FrontVector"))
            AddProperty(child);
    });
}

void XMLFileProperties::ReadCustomProperties(const DOMElement& customProperties) {
    ElementWalk::ForEachChildElement(customProperties, [this](const DOMElement& child) {
        if (!ElementWalk::IsNamed(child, u"CustomProperty"))
            return;
        if (std::optional<CustomProperty> property = ReadCustomProperty(child))
            m_customProperties.push_back(std::move(*property));
    });
}

void XMLFileProperties::AddProperty(const DOMElement& element) {
    m_properties.emplace(XMLStrUtil::XMLStrToAStr(element.getNodeName()),
                         XMLStrUtil::XMLStrToWStr(element.getTextContent()));
}

const UTF16String* XMLFileProperties::Find(const char* key) const {
    const auto found = m_properties.find(UTF8String(key));
    return found == m_properties.end() ? nullptr : &found->second;
}

IsValueSpecifiedEnum XMLFileProperties::Text(const char* key, UTF16String& text) const {
    const UTF16String* value = Find(key);
    if (value != nullptr)
        text = *value;
    return SpecifiedIf(value != nullptr);
}

// A unit name the conversion does not know still answers specified, the unit left as it was.
IsValueSpecifiedEnum XMLFileProperties::Unit(const char* key, UnitTypeEnum& unit) const {
    const UTF16String* value = Find(key);
    if (value != nullptr)
        XMLStrUtil::StringToUnitType(UTF8String(*value), unit);
    return SpecifiedIf(value != nullptr);
}

IsValueSpecifiedEnum XMLFileProperties::Title(UTF16String& title) const {
    return Text("Title", title);
}

IsValueSpecifiedEnum XMLFileProperties::Author(UTF16String& author) const {
    return Text("Author", author);
}

IsValueSpecifiedEnum XMLFileProperties::Organization(UTF16String& organization) const {
    return Text("Organization", organization);
}

IsValueSpecifiedEnum XMLFileProperties::Description(UTF16String& description) const {
    return Text("Description", description);
}

IsValueSpecifiedEnum XMLFileProperties::SendingSystem(UTF16String& system) const {
    return Text("SendingSystem", system);
}

IsValueSpecifiedEnum XMLFileProperties::PartNumber(UTF16String& number) const {
    return Text("PartNumber", number);
}

IsValueSpecifiedEnum XMLFileProperties::Revision(UTF16String& revision) const {
    return Text("Revision", revision);
}

IsValueSpecifiedEnum XMLFileProperties::Preprocessor(UTF16String& preprocessor) const {
    return Text("Preprocessor", preprocessor);
}

IsValueSpecifiedEnum XMLFileProperties::CreationDate(Time& date) const {
    const UTF16String* value = Find("CreationDate");
    return SpecifiedIf(value != nullptr && date.FromString(UTF8String(*value)));
}

IsValueSpecifiedEnum XMLFileProperties::Authorisation(UTF16String& authorisation) const {
    return Text("Authorisation", authorisation);
}

IsValueSpecifiedEnum XMLFileProperties::MassUnit(UnitTypeEnum& unit) const {
    return Unit("MassUnit", unit);
}

IsValueSpecifiedEnum XMLFileProperties::TimeUnit(UnitTypeEnum& unit) const {
    return Unit("TimeUnit", unit);
}

std::uint32_t XMLFileProperties::CustomPropertyCount() const {
    return NumericConverter::SizeToULong(m_customProperties.size());
}

IsValueSpecifiedEnum XMLFileProperties::CustomPropertyAt(std::uint32_t index,
                                                         CustomProperty& property) const {
    if (index >= m_customProperties.size())
        return IsValueSpecifiedEnum::kUnspecified;
    property = m_customProperties[index];
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
