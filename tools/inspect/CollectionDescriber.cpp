#include "CollectionDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {

void CollectionDescriber::Describe(const IGroup& group, ObjectDescription& out) {
    out.Begin(group, "IGroup");
    out.Set("Description", ValueFormatter::Text(group.Description()));
    out.SetIds("GeometryItems", group.GeometryItems());
    out.SetIds("Materials", group.Materials());
}

void CollectionDescriber::Describe(const ILayer& layer, ObjectDescription& out) {
    out.Begin(layer, "ILayer");
    out.Set("Description", ValueFormatter::Text(layer.Description()));
    out.Set("LayerNumber", layer.LayerNumber());
    out.Set("IsVisible", layer.IsVisible());
    out.SetIds("GeometryItems", layer.GeometryItems());
    out.SetIds("Styles", layer.Styles());
}

void CollectionDescriber::Describe(const ILod& lod, ObjectDescription& out) {
    out.Begin(lod, "ILod");
    out.Set("Description", ValueFormatter::Text(lod.Description()));
}

void CollectionDescriber::Describe(const IAssemblyFeatureOverride& featureOverride,
                                   ObjectDescription& out) {
    out.Begin(featureOverride, "IAssemblyFeatureOverride");
    out.Set("IsVisible", featureOverride.IsVisible());
    out.SetChildren(featureOverride);
    OccurrencePathCollection paths;
    featureOverride.BaseOccPaths(paths);
    out.Set("BaseOccPaths", Paths(paths));
}

Json CollectionDescriber::Paths(const OccurrencePathCollection& paths) {
    return ValueFormatter::Indexed(paths.PathCount(), [&](std::uint64_t i) {
        return ValueFormatter::Ids(paths.PathAt(static_cast<std::size_t>(i)));
    });
}

} // namespace Orvik::Inspect
