#include "UniverseDescriber.h"

#include "HistoryContextDescriber.h"
#include "ValueFormatter.h"
#include "orvik/api/aec/IAECProjectContext.h"

namespace Orvik::Inspect {

Json UniverseDescriber::Describe(const IUniverse& universe) {
    Json fields = Json::object();
    Color color;
    if (universe.DefaultCurveColor(color))
        fields["DefaultCurveColor"] = ValueFormatter::Rgba(color);
    if (universe.DefaultSurfaceColor(color))
        fields["DefaultSurfaceColor"] = ValueFormatter::Rgba(color);
    ViewingData viewing;
    if (universe.ViewingData(viewing))
        fields["ViewingData"] = DescribeViewingData(viewing);
    fields["CustomDataCount"] = universe.CustomDataCount();
    fields["CustomDataAt"] = DescribeCustomData(universe);
    if (const PropertyDatabase* database = universe.PropertyDatabase()) {
        Json properties = Json::array();
        for (std::size_t i = 0; i < database->PropertyCount(); ++i) {
            const Property& property = database->PropertyAt(i);
            Json entry = Json::object();
            entry["objectId"] = ValueFormatter::Text(property.ObjectId());
            entry["name"] = ValueFormatter::Text(property.Name());
            entry["value"] = ValueFormatter::Value(property.Value());
            properties.push_back(std::move(entry));
        }
        fields["PropertyDatabase"] = std::move(properties);
    }
    unsigned origin = 0;
    if (universe.TextureUVOriginType(origin))
        fields["TextureUVOriginType"] = origin == 1   ? "kTextureUVOriginType_BottomLeft"
                                        : origin == 2 ? "kTextureUVOriginType_TopLeft"
                                                      : "unknown";
    const IDomainProjectContext* context = universe.DomainProjectContext();
    fields["DomainProjectContext"] =
        context ? DescribeDomainProjectContext(*context) : Json(nullptr);
    return fields;
}

Json UniverseDescriber::DescribeViewingData(const ViewingData& data) {
    Json fields = Json::object();
    Vector vector;
    if (data.UpVector(vector))
        fields["UpVector"] = ValueFormatter::Xyz(vector);
    if (data.FrontVector(vector))
        fields["FrontVector"] = ValueFormatter::Xyz(vector);
    if (data.NorthVector(vector))
        fields["NorthVector"] = ValueFormatter::Xyz(vector);
    return fields;
}

Json UniverseDescriber::DescribeCustomData(const IUniverse& universe) {
    Json items = Json::array();
    for (std::uint64_t i = 0; i < universe.CustomDataCount(); ++i) {
        UTF8String key;
        Variant value;
        Json item = Json::object();
        const bool hasValue = universe.CustomDataAt(i, key, value);
        item["key"] = ValueFormatter::Text(key);
        item["value"] = hasValue ? ValueFormatter::Value(value) : Json(nullptr);
        items.push_back(std::move(item));
    }
    return items;
}

Json UniverseDescriber::DescribeDomainProjectContext(const IDomainProjectContext& context) {
    Json fields = Json::object();
    ParameterTypeIdSet ids;
    if (context.ParameterTypeIds(ids))
        fields["ParameterTypeIds"] = ValueFormatter::Ids(ids);
    if (const auto* aec = dynamic_cast<const IAECProjectContext*>(&context))
        if (const EditableAECProjectHistoryContext* history = aec->HistoryContext())
            fields["HistoryContext"] = HistoryContextDescriber::Describe(*history);
    return fields;
}

} // namespace Orvik::Inspect
