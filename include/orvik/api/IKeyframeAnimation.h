#pragma once

#include "orvik/api/IKeyframeTypeData.h"
#include "orvik/api/IObject.h"

namespace Orvik {

// A named time line of an animation.
class IAnimation : public IObject {
public:
    enum InterpolationTypeEnum {
        kInterpolationType_Linear = 0,
        kInterpolationType_Step = 1,
        kInterpolationType_Spline = 2,
    };

    virtual double StartFrame() const = 0;
    virtual double EndFrame() const = 0;
    virtual IsValueSpecifiedEnum DefaultFrame(double& frame) const = 0;
    virtual double FramesPerSecond() const = 0;
    virtual IsValueSpecifiedEnum InterpolationType(InterpolationTypeEnum& type) const = 0;
    // Always specified; null when the animation has no keyframes.
    virtual IsValueSpecifiedEnum KeyframeData(IKeyframeTypeData*& data) const = 0;
};

// An animation driven by keyframes.
class IKeyframeAnimation : public IAnimation {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
};

} // namespace Orvik
