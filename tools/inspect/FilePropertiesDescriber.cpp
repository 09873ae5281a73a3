#include "FilePropertiesDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {

Json FilePropertiesDescriber::Describe(const FileProperties* properties) {
    if (properties == nullptr)
        return nullptr;
    Json fields = Json::object();
    const auto text = [&](const char* name, auto operation) {
        UTF16String value;
        if ((properties->*operation)(value) == IsValueSpecifiedEnum::kSpecified)
            fields[name] = ValueFormatter::Text(value);
    };
    const auto unit = [&](const char* name, auto operation) {
        UnitTypeEnum value = UnitTypeEnum::kUnitType_Unknown;
        if ((properties->*operation)(value) == IsValueSpecifiedEnum::kSpecified)
            fields[name] = ValueFormatter::Unit(value);
    };
    text("Title", &FileProperties::Title);
    text("Author", &FileProperties::Author);
    text("Organization", &FileProperties::Organization);
    text("Description", &FileProperties::Description);
    text("SendingSystem", &FileProperties::SendingSystem);
    text("PartNumber", &FileProperties::PartNumber);
    text("Revision", &FileProperties::Revision);
    text("Preprocessor", &FileProperties::Preprocessor);
    Time created;
    if (properties->CreationDate(created) == IsValueSpecifiedEnum::kSpecified)
        fields["CreationDate"] = ValueFormatter::TimeText(created);
    text("Authorisation", &FileProperties::Authorisation);
    unit("MassUnit", &FileProperties::MassUnit);
    unit("TimeUnit", &FileProperties::TimeUnit);
    fields["CustomPropertyCount"] = properties->CustomPropertyCount();
    fields["CustomPropertyAt"] = CustomProperties(*properties);
    return fields;
}

Json FilePropertiesDescriber::CustomProperties(const FileProperties& properties) {
    return ValueFormatter::Indexed(properties.CustomPropertyCount(), [&](std::uint64_t i) {
        CustomProperty property;
        if (properties.CustomPropertyAt(static_cast<std::uint32_t>(i), property) !=
            IsValueSpecifiedEnum::kSpecified)
            return Json::object();
        return Json{{"key", ValueFormatter::Text(property.Key())},
                    {"value", ValueFormatter::Value(property.Value())}};
    });
}

} // namespace Orvik::Inspect
