#pragma once

namespace Orvik {

class IObject;
class IFile;
class IAssembly;
class IPart;
class IInstance;
class IBrep;
class ICurve;
class IPolygonMesh;
class ISubdivMesh;
class IPoint;
class IPointCloud;
class ICoordSys;
class IWorkAxis;
class IWorkPlane;
class IWorkPoint;
class IGeometricSet;
class IExtensionGeometry;
class ISketch;
class IAnnotationCallout;
class IAnnotationCalloutElement;
class ICamera;
class ISectionCamera;
class IView;
class IViewWithFlatToScreen;
class ILight;
class IKeyframeAnimation;
class IRenderStyle;
class IAmbrelRenderStyle;
class IMaterialXRenderStyle;
class IMaterial;
class IMaterialTexture;
class IDecalMaterialTexture;
class IGroup;
class ILayer;
class ILod;
class IAssemblyFeatureOverride;

// Double dispatch on an object's interface. Each interface adds its Visit overload;
// the defaults do nothing, so a visitor overrides only what it cares about.
class IObjectVisitor {
public:
    virtual ~IObjectVisitor() = default;
    virtual void VisitUnknown(IObject&) {}
    virtual void Visit(IFile&) {}
    virtual void Visit(IAssembly&) {}
    virtual void Visit(IPart&) {}
    virtual void Visit(IInstance&) {}
    virtual void Visit(IBrep&) {}
    virtual void Visit(ICurve&) {}
    virtual void Visit(IPolygonMesh&) {}
    virtual void Visit(ISubdivMesh&) {}
    virtual void Visit(IPoint&) {}
    virtual void Visit(IPointCloud&) {}
    virtual void Visit(ICoordSys&) {}
    virtual void Visit(IWorkAxis&) {}
    virtual void Visit(IWorkPlane&) {}
    virtual void Visit(IWorkPoint&) {}
    virtual void Visit(IGeometricSet&) {}
    virtual void Visit(IExtensionGeometry&) {}
    virtual void Visit(ISketch&) {}
    virtual void Visit(IAnnotationCallout&) {}
    virtual void Visit(IAnnotationCalloutElement&) {}
    virtual void Visit(ICamera&) {}
    virtual void Visit(ISectionCamera&) {}
    virtual void Visit(IView&) {}
    virtual void Visit(IViewWithFlatToScreen&) {}
    virtual void Visit(ILight&) {}
    virtual void Visit(IKeyframeAnimation&) {}
    virtual void Visit(IRenderStyle&) {}
    virtual void Visit(IAmbrelRenderStyle&) {}
    virtual void Visit(IMaterialXRenderStyle&) {}
    virtual void Visit(IMaterial&) {}
    virtual void Visit(IMaterialTexture&) {}
    virtual void Visit(IDecalMaterialTexture&) {}
    virtual void Visit(IGroup&) {}
    virtual void Visit(ILayer&) {}
    virtual void Visit(ILod&) {}
    virtual void Visit(IAssemblyFeatureOverride&) {}
};

} // namespace Orvik
