#include "ObjectDescriber.h"

#include "AnnotationDescriber.h"
#include "CollectionDescriber.h"
#include "GeometryDescriber.h"
#include "GroupDescriber.h"
#include "HierarchyDescriber.h"
#include "PresentationDescriber.h"
#include "ReferenceGeometryDescriber.h"
#include "SceneDescriber.h"

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

void ObjectDescriber::Visit(IAnnotationCallout& callout) {
    AnnotationDescriber::Describe(callout, m_description);
}

void ObjectDescriber::Visit(IAnnotationCalloutElement& element) {
    AnnotationDescriber::Describe(element, m_description);
}

void ObjectDescriber::Visit(ICamera& camera) {
    SceneDescriber::Describe(camera, m_description);
}

void ObjectDescriber::Visit(ISectionCamera& camera) {
    SceneDescriber::Describe(camera, m_description);
}

void ObjectDescriber::Visit(IView& view) {
    SceneDescriber::Describe(view, m_description);
}

void ObjectDescriber::Visit(IViewWithFlatToScreen& view) {
    SceneDescriber::Describe(view, m_description);
}

void ObjectDescriber::Visit(ILight& light) {
    SceneDescriber::Describe(light, m_description);
}

void ObjectDescriber::Visit(IKeyframeAnimation& animation) {
    SceneDescriber::Describe(animation, m_description);
}

void ObjectDescriber::Visit(IRenderStyle& style) {
    PresentationDescriber::Describe(style, m_description);
}

void ObjectDescriber::Visit(IAmbrelRenderStyle& style) {
    PresentationDescriber::Describe(style, m_description);
}

void ObjectDescriber::Visit(IMaterialXRenderStyle& style) {
    PresentationDescriber::Describe(style, m_description);
}

void ObjectDescriber::Visit(IMaterial& material) {
    PresentationDescriber::Describe(material, m_description);
}

void ObjectDescriber::Visit(IMaterialTexture& texture) {
    PresentationDescriber::Describe(texture, m_description);
}

void ObjectDescriber::Visit(IDecalMaterialTexture& decal) {
    PresentationDescriber::Describe(decal, m_description);
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
