#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UnitTypeEnum.h"

namespace Orvik {

class IKeyframeTransformData;

// Double dispatch on the kind of keyframe data; the defaults do nothing.
class KeyframeTypeDataVisitor {
public:
    virtual ~KeyframeTypeDataVisitor() = default;
    virtual void Visit(IKeyframeTransformData&) {}
};

// The keyframes of an animation, of one kind.
class IKeyframeTypeData {
public:
    virtual ~IKeyframeTypeData() = default;
    virtual void AcceptVisitor(KeyframeTypeDataVisitor* visitor) = 0;
};

// Keyframes that place the animated object by a transform per frame.
class IKeyframeTransformData : public IKeyframeTypeData {
public:
    void AcceptVisitor(KeyframeTypeDataVisitor* visitor) override { visitor->Visit(*this); }

    virtual unsigned long FrameCount() const = 0;
    // Leaves both outputs alone for an index not below FrameCount().
    virtual void TransformAt(unsigned long index, double& frame, Matrix3d& transform) const = 0;
    virtual IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const = 0;
};

} // namespace Orvik
