#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Points, point clouds, coordinate systems and work features: geometry that marks places.
class ReferenceGeometryDescriber {
public:
    static void Describe(const IPoint& point, ObjectDescription& out);
    static void Describe(const IPointCloud& cloud, ObjectDescription& out);
    static void Describe(const ICoordSys& coordSys, ObjectDescription& out);
    static void Describe(const IWorkAxis& axis, ObjectDescription& out);
    static void Describe(const IWorkPlane& plane, ObjectDescription& out);
    static void Describe(const IWorkPoint& point, ObjectDescription& out);

private:
    // Units and geometry; these kinds always answer a transform.
    static void Begin(const IGeometry& geometry, const char* interfaceName, ObjectDescription& out);
    static void DescribeOptionalPlaneFields(const IWorkPlane& plane, ObjectDescription& out);
};

} // namespace Orvik::Inspect
