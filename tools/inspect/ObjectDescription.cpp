#include "ObjectDescription.h"

#include "DomainDataDescriber.h"

namespace Orvik::Inspect {

void ObjectDescription::Begin(const IObject& object, const char* interfaceName) {
    Set("id", ValueFormatter::Text(object.Id()));
    Set("interface", interfaceName);
    Set("Label", ValueFormatter::Text(object.Label()));
    Set("IsThreadSafe", object.IsThreadSafe());
    UTF16String changeKey;
    if (object.ChangeKey(changeKey) == IsValueSpecifiedEnum::kSpecified)
        Set("ChangeKey", ValueFormatter::Text(changeKey));
    UTF8String versionId;
    if (object.VersionPersistentId(versionId) == IsValueSpecifiedEnum::kSpecified)
        Set("VersionPersistentId", ValueFormatter::Text(versionId));
    std::vector<Property> properties;
    if (object.Properties(properties) == IsValueSpecifiedEnum::kSpecified)
        Set("Properties", ValueFormatter::Properties(properties));
    Set("DomainData", object.DomainData() != nullptr);
    if (const IDomainData* domainData = object.DomainData(); domainData && m_domainData)
        if (Json data = m_domainData->Describe(*domainData, *this); !data.is_null())
            Set("AECDomainData", std::move(data));
    IdSet channels;
    if (object.KeyframeAnimationChannels(channels) == IsValueSpecifiedEnum::kSpecified)
        SetIds("KeyframeAnimationChannels", channels);
}

void ObjectDescription::SetIds(const char* name, const IdSet& ids) {
    Set(name, ValueFormatter::Ids(ids));
    Refer(ids);
}

void ObjectDescription::SetStyleMap(const char* name, const SubEntityToStylesMap* styles) {
    Json map = Json::object();
    if (styles != nullptr) {
        for (const auto& [subEntity, ids] : styles->Styles()) {
            map[subEntity.Value()] = ValueFormatter::Ids(ids);
            Refer(ids);
        }
    }
    Set(name, std::move(map));
}

void ObjectDescription::SetUnits(const IUnit& unit) {
    UnitTypeEnum value = UnitTypeEnum::kUnitType_Unknown;
    if (unit.LengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        Set("LengthUnit", ValueFormatter::Unit(value));
    if (unit.DisplayAngleUnit(value) == IsValueSpecifiedEnum::kSpecified)
        Set("DisplayAngleUnit", ValueFormatter::Unit(value));
    if (unit.DisplayLengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        Set("DisplayLengthUnit", ValueFormatter::Unit(value));
}

void ObjectDescription::SetGeometry(const IGeometry& geometry, bool hasTransform) {
    if (hasTransform)
        Set("Transform", ValueFormatter::Matrix(geometry.Transform()));
    Set("IsVisible", geometry.IsVisible());
    Set("IsNetVisible", geometry.IsNetVisible());
    Set("AngularTolerance", ValueFormatter::Number(geometry.AngularTolerance()));
    Set("LinearTolerance", ValueFormatter::Number(geometry.LinearTolerance()));
    Set("ParamTolerance", ValueFormatter::Number(geometry.ParamTolerance()));
    SetIds("Styles", geometry.Styles());
    SetIds("NetStyles", geometry.NetStyles());
    SetIds("Materials", geometry.Materials());
}

void ObjectDescription::Refer(const IdSet& ids) {
    for (const UTF8String& id : ids)
        Refer(id);
}

} // namespace Orvik::Inspect
