#include "loader/KindTable.h"

#include <string_view>
#include <unordered_map>

namespace Orvik {
namespace {

using Index = std::unordered_map<std::u16string_view, const KindRow*>;

std::vector<const KindRow*> CollectRows() {
    std::vector<const KindRow*> rows;
    for (const KindRows& list : {HierarchyKindRows(), GeometryKindRows(), AnnotationKindRows()})
        for (std::size_t i = 0; i < list.size; ++i)
            rows.push_back(&list.rows[i]);
    return rows;
}

const Index& RowsByName() {
    static const Index index = [] {
        Index byName;
        for (const KindRow* row : KindTable::Rows())
            byName.emplace(std::u16string_view(row->name), row);
        return byName;
    }();
    return index;
}

} // namespace

const std::vector<const KindRow*>& KindTable::Rows() {
    static const std::vector<const KindRow*> rows = CollectRows();
    return rows;
}

const KindRow* KindTable::Find(const XMLCh* name) {
    if (name == nullptr)
        return nullptr;
    const Index& index = RowsByName();
    const auto found = index.find(std::u16string_view(name));
    return found == index.end() ? nullptr : found->second;
}

const KindRow* KindTable::Find(const XMLCh* name, Place place) {
    const KindRow* row = Find(name);
    return row != nullptr && IsIn(place, row->places) ? row : nullptr;
}

const char* KindTable::PlaceName(Place place) {
    switch (place) {
    case Place::kTopLevel:
        return "the document";
    case Place::kAssembly:
        return "an assembly";
    case Place::kPart:
        return "a part";
    case Place::kGeometricSet:
        return "a geometric set";
    case Place::kExtensionGeometry:
        return "extension geometry";
    case Place::kSketchPoints:
        return "a sketch's child set";
    case Place::kSketchCurves:
        return "a sketch's curve set";
    case Place::kCallout:
        return "an annotation callout";
    case Place::kCalloutElement:
        return "a callout element";
    case Place::kAnnotationPlane:
        return "an annotation plane";
    case Place::kFeatureOverride:
        return "an assembly feature override";
    }
    return "a container";
}

} // namespace Orvik
