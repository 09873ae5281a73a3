#include "UniverseDescriber.h"

#include "HistoryContextDescriber.h"
#include "ValueFormatter.h"
#include "orvik/api/aec/IAECProjectContext.h"

namespace Orvik::Inspect {

JsonValue UniverseDescriber::Describe(const IUniverse& universe) {
    JsonValue fields = JsonValue::Object();
    Color color;
    if (universe.DefaultCurveColor(color))
        fields.Set("DefaultCurveColor", ValueFormatter::Rgba(color));
    if (universe.DefaultSurfaceColor(color))
        fields.Set("DefaultSurfaceColor", ValueFormatter::Rgba(color));
    ViewingData viewing;
    if (universe.ViewingData(viewing))
        fields.Set("ViewingData", DescribeViewingData(viewing));
    fields.Set("CustomDataCount", universe.CustomDataCount());
    fields.Set("CustomDataAt", DescribeCustomData(universe));
    if (const PropertyDatabase* database = universe.PropertyDatabase()) {
        JsonValue properties = JsonValue::Array();
        for (std::size_t i = 0; i < database->PropertyCount(); ++i) {
            const Property& property = database->PropertyAt(i);
            JsonValue entry = JsonValue::Object();
            entry.Set("objectId", ValueFormatter::Text(property.ObjectId()));
            entry.Set("name", ValueFormatter::Text(property.Name()));
            entry.Set("value", ValueFormatter::Value(property.Value()));
            properties.Append(std::move(entry));
        }
        fields.Set("PropertyDatabase", std::move(properties));
    }
    unsigned origin = 0;
    if (universe.TextureUVOriginType(origin))
        fields.Set("TextureUVOriginType", origin == 1   ? "kTextureUVOriginType_BottomLeft"
                                          : origin == 2 ? "kTextureUVOriginType_TopLeft"
                                                        : "unknown");
    const IDomainProjectContext* context = universe.DomainProjectContext();
    fields.Set("DomainProjectContext",
               context ? DescribeDomainProjectContext(*context) : JsonValue(nullptr));
    return fields;
}

JsonValue UniverseDescriber::DescribeViewingData(const ViewingData& data) {
    JsonValue fields = JsonValue::Object();
    Vector vector;
    if (data.UpVector(vector))
        fields.Set("UpVector", ValueFormatter::Xyz(vector));
    if (data.FrontVector(vector))
        fields.Set("FrontVector", ValueFormatter::Xyz(vector));
    if (data.NorthVector(vector))
        fields.Set("NorthVector", ValueFormatter::Xyz(vector));
    return fields;
}

JsonValue UniverseDescriber::DescribeCustomData(const IUniverse& universe) {
    JsonValue items = JsonValue::Array();
    for (std::uint64_t i = 0; i < universe.CustomDataCount(); ++i) {
        UTF8String key;
        Variant value;
        JsonValue item = JsonValue::Object();
        const bool hasValue = universe.CustomDataAt(i, key, value);
        item.Set("key", ValueFormatter::Text(key));
        item.Set("value", hasValue ? ValueFormatter::Value(value) : JsonValue(nullptr));
        items.Append(std::move(item));
    }
    return items;
}

JsonValue UniverseDescriber::DescribeDomainProjectContext(const IDomainProjectContext& context) {
    JsonValue fields = JsonValue::Object();
    ParameterTypeIdSet ids;
    if (context.ParameterTypeIds(ids))
        fields.Set("ParameterTypeIds", ValueFormatter::Ids(ids));
    if (const auto* aec = dynamic_cast<const IAECProjectContext*>(&context))
        if (const EditableAECProjectHistoryContext* history = aec->HistoryContext())
            fields.Set("HistoryContext", HistoryContextDescriber::Describe(*history));
    return fields;
}

} // namespace Orvik::Inspect
