#pragma once

#include "DomainDataDescriber.h"
#include "Json.h"
#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

#include <vector>

namespace Orvik::Inspect {

// Describes one object: its interface name, one field per query operation, and the ids of
// the objects it refers to, which the walk visits next.
//
// Each family of interfaces has its own describer; this class only sends each interface to
// it. A new family (styles, materials, cameras, views, lights, annotations, groups, layers
// ...) is one more describer class and its Visit overloads here, once IObjectVisitor has them.
class ObjectDescriber : public IObjectVisitor {
public:
    // The universe's owner histories are what domain data is followed to; it may be null.
    explicit ObjectDescriber(const IUniverse* universe = nullptr)
        : m_domainData(universe) {}

    // Fields of the object; "id" and "interface" first.
    Json Describe(IObject& object);
    const std::vector<UTF8String>& ReferencedIds() const { return m_description.ReferencedIds(); }

    void VisitUnknown(IObject& object) override;

    // HierarchyDescriber
    void Visit(IFile& file) override;
    void Visit(IAssembly& assembly) override;
    void Visit(IPart& part) override;
    void Visit(IInstance& instance) override;

    // GeometryDescriber
    void Visit(IBrep& brep) override;
    void Visit(IPolygonMesh& mesh) override;
    void Visit(ISubdivMesh& mesh) override;
    void Visit(ICurve& curve) override;

    // ReferenceGeometryDescriber
    void Visit(IPoint& point) override;
    void Visit(IPointCloud& cloud) override;
    void Visit(ICoordSys& coordSys) override;
    void Visit(IWorkAxis& axis) override;
    void Visit(IWorkPlane& plane) override;
    void Visit(IWorkPoint& point) override;

    // GroupDescriber
    void Visit(IGeometricSet& set) override;
    void Visit(IExtensionGeometry& geometry) override;
    void Visit(ISketch& sketch) override;

    // AnnotationDescriber
    void Visit(IAnnotationCallout& callout) override;
    void Visit(IAnnotationCalloutElement& element) override;
    // SceneDescriber
    void Visit(ICamera& camera) override;
    void Visit(ISectionCamera& camera) override;
    void Visit(IView& view) override;
    void Visit(IViewWithFlatToScreen& view) override;
    void Visit(ILight& light) override;
    void Visit(IKeyframeAnimation& animation) override;
    // PresentationDescriber
    void Visit(IRenderStyle& style) override;
    void Visit(IAmbrelRenderStyle& style) override;
    void Visit(IMaterialXRenderStyle& style) override;
    void Visit(IMaterial& material) override;
    void Visit(IMaterialTexture& texture) override;
    void Visit(IDecalMaterialTexture& decal) override;
    // CollectionDescriber
    void Visit(IGroup& group) override;
    void Visit(ILayer& layer) override;
    void Visit(ILod& lod) override;
    void Visit(IAssemblyFeatureOverride& featureOverride) override;

private:
    DomainDataDescriber m_domainData;
    ObjectDescription m_description;
};

} // namespace Orvik::Inspect
