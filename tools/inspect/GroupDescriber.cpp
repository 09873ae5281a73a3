#include "GroupDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {

template <typename Group>
void GroupDescriber::Begin(const Group& group, const char* interfaceName, ObjectDescription& out) {
    out.Begin(group, interfaceName);
    out.SetUnits(group);
    out.SetGeometry(group, group.HasTransform());
}

void GroupDescriber::Describe(const IGeometricSet& set, ObjectDescription& out) {
    Begin(set, "IGeometricSet", out);
    out.SetChildren(set);
}

void GroupDescriber::Describe(const IExtensionGeometry& geometry, ObjectDescription& out) {
    Begin(geometry, "IExtensionGeometry", out);
    out.SetChildren(geometry);
}

void GroupDescriber::Describe(const ISketch& sketch, ObjectDescription& out) {
    Begin(sketch, "ISketch", out);
    out.Set("SketchType", SketchTypeName(sketch.SketchType()));
    out.SetIds("CurveIds", sketch.CurveIds());
    out.SetIds("ChildIds", sketch.ChildIds());
    out.Set("TotalCount", sketch.TotalCount());
    out.Set("IdAt", ValueFormatter::Indexed(sketch.TotalCount(), [&](std::uint64_t i) {
                return ValueFormatter::Text(sketch.IdAt(i));
            }));
}

Json GroupDescriber::SketchTypeName(std::uint32_t type) {
    switch (type) {
    case ISketch::kSketchType_2D:
        return "kSketchType_2D";
    case ISketch::kSketchType_3D:
        return "kSketchType_3D";
    default:
        return nullptr;
    }
}

} // namespace Orvik::Inspect
