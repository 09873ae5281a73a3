#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Kernel bodies, meshes and curves: the shapes a host draws.
class GeometryDescriber {
public:
    static void Describe(const IBrep& brep, ObjectDescription& out);
    static void Describe(const IPolygonMesh& mesh, ObjectDescription& out);
    static void Describe(const ISubdivMesh& mesh, ObjectDescription& out);
    static void Describe(const ICurve& curve, ObjectDescription& out);

private:
    static void DescribeBrepBody(const IBrep& brep, ObjectDescription& out);
    static void DescribeBrepSubEntities(const IBrep& brep, ObjectDescription& out);
    // What polygon and subdivision meshes share, after "id" and "interface".
    static void DescribeMesh(const IPolygonMesh& mesh, ObjectDescription& out);
    static void DescribeMeshGeometry(const IPolygonMesh& mesh, ObjectDescription& out);
    static void DescribeMeshSegments(const IPolygonMesh& mesh, ObjectDescription& out);
};

} // namespace Orvik::Inspect
