#include "ReferenceGeometryDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {
namespace {

Json Xyz(double x, double y, double z) {
    return ValueFormatter::Xyz(Position(x, y, z));
}

template <typename Object, typename Query>
Json XyzOf(const Object& object, Query query) {
    double x = 0.0, y = 0.0, z = 0.0;
    (object.*query)(x, y, z);
    return Xyz(x, y, z);
}

} // namespace

void ReferenceGeometryDescriber::Begin(const IGeometry& geometry, const char* interfaceName,
                                       ObjectDescription& out) {
    out.Begin(geometry, interfaceName);
    out.SetUnits(geometry);
    out.SetGeometry(geometry, true);
}

void ReferenceGeometryDescriber::Describe(const IPoint& point, ObjectDescription& out) {
    Begin(point, "IPoint", out);
    out.Set("Position", Xyz(point.X(), point.Y(), point.Z()));
    out.Set("IsGraphicPMI_ex", point.IsGraphicPMI_ex());
    out.Set("MarkerType", point.MarkerType());
    out.Set("MarkerName", ValueFormatter::Text(point.MarkerName()));
    out.Set("MarkerSize", ValueFormatter::Number(point.MarkerSize()));
}

void ReferenceGeometryDescriber::Describe(const IPointCloud& cloud, ObjectDescription& out) {
    Begin(cloud, "IPointCloud", out);
    out.Set("PointCount", cloud.PointCount());
    out.Set("PointAt", ValueFormatter::Indexed(cloud.PointCount(), [&](std::uint64_t i) {
                double x = 0.0, y = 0.0, z = 0.0;
                cloud.PointAt(i, x, y, z);
                return Xyz(x, y, z);
            }));
}

void ReferenceGeometryDescriber::Describe(const ICoordSys& coordSys, ObjectDescription& out) {
    Begin(coordSys, "ICoordSys", out);
    out.Set("Origin", XyzOf(coordSys, &ICoordSys::Origin));
    out.Set("XAxis", XyzOf(coordSys, &ICoordSys::XAxis));
    out.Set("YAxis", XyzOf(coordSys, &ICoordSys::YAxis));
}

void ReferenceGeometryDescriber::Describe(const IWorkAxis& axis, ObjectDescription& out) {
    Begin(axis, "IWorkAxis", out);
    out.Set("StartPoint", XyzOf(axis, &IWorkAxis::StartPoint));
    out.Set("Axis", XyzOf(axis, &IWorkAxis::Axis));
    out.Set("EndPoint", XyzOf(axis, &IWorkAxis::EndPoint));
}

void ReferenceGeometryDescriber::Describe(const IWorkPlane& plane, ObjectDescription& out) {
    Begin(plane, "IWorkPlane", out);
    out.Set("Origin", XyzOf(plane, &IWorkPlane::Origin));
    out.Set("Normal", XyzOf(plane, &IWorkPlane::Normal));
    DescribeOptionalPlaneFields(plane, out);
}

void ReferenceGeometryDescriber::DescribeOptionalPlaneFields(const IWorkPlane& plane,
                                                             ObjectDescription& out) {
    double x = 0.0, y = 0.0, z = 0.0;
    if (plane.ReferenceDirection(x, y, z) == IsValueSpecifiedEnum::kSpecified)
        out.Set("ReferenceDirection", Xyz(x, y, z));
    double maxX = 0.0, maxY = 0.0, maxZ = 0.0;
    if (plane.DisplayRange(x, y, z, maxX, maxY, maxZ) == IsValueSpecifiedEnum::kSpecified)
        out.Set("DisplayRange", Json{{"min", Xyz(x, y, z)}, {"max", Xyz(maxX, maxY, maxZ)}});
}

void ReferenceGeometryDescriber::Describe(const IWorkPoint& point, ObjectDescription& out) {
    Begin(point, "IWorkPoint", out);
    out.Set("Point", XyzOf(point, &IWorkPoint::Point));
}

} // namespace Orvik::Inspect
