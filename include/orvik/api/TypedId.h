#pragma once

#include "orvik/api/UTF8String.h"

namespace Orvik {

// The framework's interfaces, as recorded by typed ids.
enum class ObjectKindEnum {
    kUnknown = 0,
    kFile,
    kAssembly,
    kPart,
    kInstance,
    kBrep,
    kPolygonMesh,
    kSubdivMesh,
    kCurve,
    kPoint,
    kPointCloud,
    kCoordSys,
    kWorkAxis,
    kWorkPlane,
    kWorkPoint,
    kGeometricSet,
    kExtensionGeometry,
    kSketch,
    kAnnotationCallout,
    kAnnotationCalloutElement,
    kAssemblyFeatureOverride,
    kAECTypeObject,
    kCamera,
    kSectionCamera,
    kView,
    kViewWithFlatToScreen,
    kLight,
    kKeyframeAnimation,
    kRenderStyle,
    kAmbrelRenderStyle,
    kMaterialXRenderStyle,
    kMaterial,
    kMaterialTexture,
    kDecalMaterialTexture,
    kGroup,
    kLayer,
    kLod,
};

// An id together with the kind of object it names.
class TypedId {
public:
    TypedId() = default;
    TypedId(UTF8String id, ObjectKindEnum kind)
        : m_id(std::move(id))
        , m_kind(kind) {}

    const UTF8String& Id() const { return m_id; }
    ObjectKindEnum Kind() const { return m_kind; }
    bool IsEmpty() const { return m_id.IsEmpty(); }

    friend bool operator==(const TypedId& a, const TypedId& b) {
        return a.m_id == b.m_id && a.m_kind == b.m_kind;
    }

private:
    UTF8String m_id;
    ObjectKindEnum m_kind = ObjectKindEnum::kUnknown;
};

} // namespace Orvik
