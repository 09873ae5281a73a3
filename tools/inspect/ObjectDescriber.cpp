#include "ObjectDescriber.h"

#include "CollectionDescriber.h"
#include "GeometryDescriber.h"
#include "GroupDescriber.h"
#include "HierarchyDescriber.h"
#include "ReferenceGeometryDescriber.h"

namespace Orvik::Inspect {

Json ObjectDescriber::Describe(IObject& object) {
    m_description = ObjectDescription(&m_domainData);
    object.AcceptVisitor(*this);
    return m_description.TakeFields();
}

void ObjectDescriber::VisitUnknown(IObject& object) {
    m_description.Begin(object, "IObject");
}

void ObjectDescriber::Visit(IFile& file) {
    HierarchyDescriber::Describe(file, m_description);
}

void ObjectDescriber::Visit(IAssembly& assembly) {
    HierarchyDescriber::Describe(assembly, m_description);
}

void ObjectDescriber::Visit(IPart& part) {
    HierarchyDescriber::Describe(part, m_description);
}

void ObjectDescriber::Visit(IInstance& instance) {
    HierarchyDescriber::Describe(instance, m_description);
}

void ObjectDescriber::Visit(IBrep& brep) {
    GeometryDescriber::Describe(brep, m_description);
}

void ObjectDescriber::Visit(IPolygonMesh& mesh) {
    GeometryDescriber::Describe(mesh, m_description);
}

void ObjectDescriber::Visit(ISubdivMesh& mesh) {
    GeometryDescriber::Describe(mesh, m_description);
}

void ObjectDescriber::Visit(ICurve& curve) {
    GeometryDescriber::Describe(curve, m_description);
}

void ObjectDescriber::Visit(IPoint& point) {
    ReferenceGeometryDescriber::Describe(point, m_description);
}

void ObjectDescriber::Visit(IPointCloud& cloud) {
    ReferenceGeometryDescriber::Describe(cloud, m_description);
}

void ObjectDescriber::Visit(ICoordSys& coordSys) {
    ReferenceGeometryDescriber::Describe(coordSys, m_description);
}

void ObjectDescriber::Visit(IWorkAxis& axis) {
    ReferenceGeometryDescriber::Describe(axis, m_description);
}

void ObjectDescriber::Visit(IWorkPlane& plane) {
    ReferenceGeometryDescriber::Describe(plane, m_description);
}

void ObjectDescriber::Visit(IWorkPoint& point) {
    ReferenceGeometryDescriber::Describe(point, m_description);
}

void ObjectDescriber::Visit(IGeometricSet& set) {
    GroupDescriber::Describe(set, m_description);
}

void ObjectDescriber::Visit(IExtensionGeometry& geometry) {
    GroupDescriber::Describe(geometry, m_description);
}

void ObjectDescriber::Visit(ISketch& sketch) {
    GroupDescriber::Describe(sketch, m_description);
}

void ObjectDescriber::Visit(IGroup& group) {
    CollectionDescriber::Describe(group, m_description);
}

void ObjectDescriber::Visit(ILayer& layer) {
    CollectionDescriber::Describe(layer, m_description);
}

void ObjectDescriber::Visit(ILod& lod) {
    CollectionDescriber::Describe(lod, m_description);
}

void ObjectDescriber::Visit(IAssemblyFeatureOverride& featureOverride) {
    CollectionDescriber::Describe(featureOverride, m_description);
}

} // namespace Orvik::Inspect
