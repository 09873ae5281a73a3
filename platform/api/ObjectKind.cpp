#include "orvik/api/ObjectKind.h"

#include "orvik/api/IAmbrelRenderStyle.h"
#include "orvik/api/IAnnotationCallout.h"
#include "orvik/api/IAnnotationCalloutElement.h"
#include "orvik/api/IAssembly.h"
#include "orvik/api/IAssemblyFeatureOverride.h"
#include "orvik/api/IBrep.h"
#include "orvik/api/ICamera.h"
#include "orvik/api/ICoordSys.h"
#include "orvik/api/ICurve.h"
#include "orvik/api/IDecalMaterialTexture.h"
#include "orvik/api/IExtensionGeometry.h"
#include "orvik/api/IFile.h"
#include "orvik/api/IGeometricSet.h"
#include "orvik/api/IGroup.h"
#include "orvik/api/IInstance.h"
#include "orvik/api/IKeyframeAnimation.h"
#include "orvik/api/ILayer.h"
#include "orvik/api/ILight.h"
#include "orvik/api/ILod.h"
#include "orvik/api/IMaterial.h"
#include "orvik/api/IMaterialXRenderStyle.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IPart.h"
#include "orvik/api/IPoint.h"
#include "orvik/api/IPointCloud.h"
#include "orvik/api/IPolygonMesh.h"
#include "orvik/api/IRenderStyle.h"
#include "orvik/api/ISectionCamera.h"
#include "orvik/api/ISketch.h"
#include "orvik/api/ISubdivMesh.h"
#include "orvik/api/IViewWithFlatToScreen.h"
#include "orvik/api/IWorkAxis.h"
#include "orvik/api/IWorkPlane.h"
#include "orvik/api/IWorkPoint.h"

namespace Orvik {
namespace {

class KindVisitor : public IObjectVisitor {
public:
    void Visit(IFile&) override { kind = ObjectKindEnum::kFile; }
    void Visit(IAssembly&) override { kind = ObjectKindEnum::kAssembly; }
    void Visit(IPart&) override { kind = ObjectKindEnum::kPart; }
    void Visit(IInstance&) override { kind = ObjectKindEnum::kInstance; }
    void Visit(IBrep&) override { kind = ObjectKindEnum::kBrep; }
    void Visit(ICurve&) override { kind = ObjectKindEnum::kCurve; }
    void Visit(IPolygonMesh&) override { kind = ObjectKindEnum::kPolygonMesh; }
    void Visit(ISubdivMesh&) override { kind = ObjectKindEnum::kSubdivMesh; }
    void Visit(IPoint&) override { kind = ObjectKindEnum::kPoint; }
    void Visit(IPointCloud&) override { kind = ObjectKindEnum::kPointCloud; }
    void Visit(ICoordSys&) override { kind = ObjectKindEnum::kCoordSys; }
    void Visit(IWorkAxis&) override { kind = ObjectKindEnum::kWorkAxis; }
    void Visit(IWorkPlane&) override { kind = ObjectKindEnum::kWorkPlane; }
    void Visit(IWorkPoint&) override { kind = ObjectKindEnum::kWorkPoint; }
    void Visit(IGeometricSet&) override { kind = ObjectKindEnum::kGeometricSet; }
    void Visit(IExtensionGeometry&) override { kind = ObjectKindEnum::kExtensionGeometry; }
    void Visit(ISketch&) override { kind = ObjectKindEnum::kSketch; }
    void Visit(IAnnotationCallout&) override { kind = ObjectKindEnum::kAnnotationCallout; }
    void Visit(IAnnotationCalloutElement&) override {
        kind = ObjectKindEnum::kAnnotationCalloutElement;
    }
    void Visit(ICamera&) override { kind = ObjectKindEnum::kCamera; }
    void Visit(ISectionCamera&) override { kind = ObjectKindEnum::kSectionCamera; }
    void Visit(IView&) override { kind = ObjectKindEnum::kView; }
    void Visit(IViewWithFlatToScreen&) override { kind = ObjectKindEnum::kViewWithFlatToScreen; }
    void Visit(ILight&) override { kind = ObjectKindEnum::kLight; }
    void Visit(IKeyframeAnimation&) override { kind = ObjectKindEnum::kKeyframeAnimation; }
    void Visit(IRenderStyle&) override { kind = ObjectKindEnum::kRenderStyle; }
    void Visit(IAmbrelRenderStyle&) override { kind = ObjectKindEnum::kAmbrelRenderStyle; }
    void Visit(IMaterialXRenderStyle&) override { kind = ObjectKindEnum::kMaterialXRenderStyle; }
    void Visit(IMaterial&) override { kind = ObjectKindEnum::kMaterial; }
    void Visit(IMaterialTexture&) override { kind = ObjectKindEnum::kMaterialTexture; }
    void Visit(IDecalMaterialTexture&) override { kind = ObjectKindEnum::kDecalMaterialTexture; }
    void Visit(IGroup&) override { kind = ObjectKindEnum::kGroup; }
    void Visit(ILayer&) override { kind = ObjectKindEnum::kLayer; }
    void Visit(ILod&) override { kind = ObjectKindEnum::kLod; }
    void Visit(IAssemblyFeatureOverride&) override {
        kind = ObjectKindEnum::kAssemblyFeatureOverride;
    }

    ObjectKindEnum kind = ObjectKindEnum::kUnknown;
};

} // namespace

ObjectKindEnum KindOf(IObject* object) {
    if (object == nullptr)
        return ObjectKindEnum::kUnknown;
    KindVisitor visitor;
    object->AcceptVisitor(visitor);
    return visitor.kind;
}

const char* InterfaceName(ObjectKindEnum kind) {
    switch (kind) {
    case ObjectKindEnum::kUnknown:
        return "IObject";
    case ObjectKindEnum::kFile:
        return "IFile";
    case ObjectKindEnum::kAssembly:
        return "IAssembly";
    case ObjectKindEnum::kPart:
        return "IPart";
    case ObjectKindEnum::kInstance:
        return "IInstance";
    case ObjectKindEnum::kBrep:
        return "IBrep";
    case ObjectKindEnum::kPolygonMesh:
        return "IPolygonMesh";
    case ObjectKindEnum::kSubdivMesh:
        return "ISubdivMesh";
    case ObjectKindEnum::kCurve:
        return "ICurve";
    case ObjectKindEnum::kPoint:
        return "IPoint";
    case ObjectKindEnum::kPointCloud:
        return "IPointCloud";
    case ObjectKindEnum::kCoordSys:
        return "ICoordSys";
    case ObjectKindEnum::kWorkAxis:
        return "IWorkAxis";
    case ObjectKindEnum::kWorkPlane:
        return "IWorkPlane";
    case ObjectKindEnum::kWorkPoint:
        return "IWorkPoint";
    case ObjectKindEnum::kGeometricSet:
        return "IGeometricSet";
    case ObjectKindEnum::kExtensionGeometry:
        return "IExtensionGeometry";
    case ObjectKindEnum::kSketch:
        return "ISketch";
    case ObjectKindEnum::kAnnotationCallout:
        return "IAnnotationCallout";
    case ObjectKindEnum::kAnnotationCalloutElement:
        return "IAnnotationCalloutElement";
    case ObjectKindEnum::kAssemblyFeatureOverride:
        return "IAssemblyFeatureOverride";
    case ObjectKindEnum::kAECTypeObject:
        return "IAECTypeObject";
    case ObjectKindEnum::kCamera:
        return "ICamera";
    case ObjectKindEnum::kSectionCamera:
        return "ISectionCamera";
    case ObjectKindEnum::kView:
        return "IView";
    case ObjectKindEnum::kViewWithFlatToScreen:
        return "IViewWithFlatToScreen";
    case ObjectKindEnum::kLight:
        return "ILight";
    case ObjectKindEnum::kKeyframeAnimation:
        return "IKeyframeAnimation";
    case ObjectKindEnum::kRenderStyle:
        return "IRenderStyle";
    case ObjectKindEnum::kAmbrelRenderStyle:
        return "IAmbrelRenderStyle";
    case ObjectKindEnum::kMaterialXRenderStyle:
        return "IMaterialXRenderStyle";
    case ObjectKindEnum::kMaterial:
        return "IMaterial";
    case ObjectKindEnum::kMaterialTexture:
        return "IMaterialTexture";
    case ObjectKindEnum::kDecalMaterialTexture:
        return "IDecalMaterialTexture";
    case ObjectKindEnum::kGroup:
        return "IGroup";
    case ObjectKindEnum::kLayer:
        return "ILayer";
    case ObjectKindEnum::kLod:
        return "ILod";
    }
    return "IObject";
}

} // namespace Orvik
