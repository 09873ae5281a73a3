#pragma once

#include "JsonValue.h"
#include "orvik/xml_producer.h"

#include <vector>

namespace Orvik::Inspect {

// Describes one object: its interface name, one field per query operation, and the ids of
// the objects it refers to, which the walk visits next.
class ObjectDescriber : public IObjectVisitor {
public:
    // Fields of the object; "id" and "interface" first.
    JsonValue Describe(IObject& object);
    const std::vector<UTF8String>& ReferencedIds() const { return m_referenced; }

    void VisitUnknown(IObject& object) override;
    void Visit(IFile& file) override;
    void Visit(IAssembly& assembly) override;
    void Visit(IPart& part) override;
    void Visit(IInstance& instance) override;
    void Visit(ICurve& curve) override;
    void Visit(IBrep& brep) override;
    void Visit(IPolygonMesh& mesh) override;
    void Visit(ISubdivMesh& mesh) override;
    void Visit(IPoint& point) override;
    void Visit(IPointCloud& cloud) override;
    void Visit(ICoordSys& coordSys) override;
    void Visit(IWorkAxis& axis) override;
    void Visit(IWorkPlane& plane) override;
    void Visit(IWorkPoint& point) override;
    void Visit(IGeometricSet& set) override;
    void Visit(IExtensionGeometry& geometry) override;
    void Visit(ISketch& sketch) override;

private:
    void Begin(IObject& object, const char* interfaceName);
    void DescribeObjectOperations(const IObject& object);
    void DescribeAttributeSets(const IAttributeSets& sets);
    void DescribeUnits(const IUnit& unit);
    void DescribeComponentOperations(const IComponent& component);
    void DescribeCrossLevelAttributes(const IAssembly& assembly);
    void DescribeCurveGeometry(const ICurve& curve);
    void DescribeBrepGeometry(const IBrep& brep);
    void DescribeBrepBody(const IBrep& brep);
    void DescribeBrepSubEntities(const IBrep& brep);
    void DescribeMesh(const IPolygonMesh& mesh);
    void DescribeMeshGeometry(const IPolygonMesh& mesh);
    void DescribeMeshSegments(const IPolygonMesh& mesh);
    // What points, point clouds, coordinate systems and work features share.
    // What every geometry answers: transform, visibility, tolerances, styles and materials.
    void DescribeGeometry(const IGeometry& geometry, bool hasTransform);
    void DescribeReferenceGeometry(const IGeometry& geometry);
    // The transform appears only when the group has one other than the identity.
    void DescribeGroupGeometry(const IGeometry& geometry, bool hasTransform);
    // Null when there are none; otherwise one field per answer that is specified.
    static JsonValue FilePropertiesValue(const FileProperties* properties);
    void DescribeIds(const char* name, const IdSet& ids);
    template <typename ChildId>
    JsonValue ChildIdValue(const ChildId& child);
    void Refer(const UTF8String& id) { m_referenced.push_back(id); }

    JsonValue m_fields;
    std::vector<UTF8String> m_referenced;
};

} // namespace Orvik::Inspect
