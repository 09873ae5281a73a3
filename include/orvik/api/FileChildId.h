#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/api/TypedId.h"

namespace Orvik {

// Typed ids of children; each records the child's id and kind, or nothing for a null child.
template <typename Tag>
class ChildId : public TypedId {
public:
    ChildId() = default;
    static ChildId Create(IObject* object) {
        return object ? ChildId(object->Id(), KindOf(object)) : ChildId();
    }
    // A child whose object is made later, its kind known already.
    static ChildId Create(UTF8String id, ObjectKindEnum kind) {
        return ChildId(std::move(id), kind);
    }

private:
    ChildId(UTF8String id, ObjectKindEnum kind)
        : TypedId(std::move(id), kind) {}
};

using FileChildId = ChildId<struct FileChildTag>;
using AssemblyChildId = ChildId<struct AssemblyChildTag>;
using PartChildId = ChildId<struct PartChildTag>;
using InstanceChildId = ChildId<struct InstanceChildTag>;
using GeometricSetChildId = ChildId<struct GeometricSetChildTag>;
using ExtensionGeometryChildId = ChildId<struct ExtensionGeometryChildTag>;
using AnnotationCalloutChildId = ChildId<struct AnnotationCalloutChildTag>;
using AnnotationCalloutElementChildId = ChildId<struct AnnotationCalloutElementChildTag>;
using AssemblyFeatureOverrideChildId = ChildId<struct AssemblyFeatureOverrideChildTag>;
using SharedGeometryComponentId = ChildId<struct SharedGeometryComponentTag>;
using AECTypeObjectId = ChildId<struct AECTypeObjectTag>;

} // namespace Orvik
