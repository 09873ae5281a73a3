#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/ITransformable.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/Plane.h"
#include "orvik/api/Position.h"
#include "orvik/api/UnitTypeEnum.h"
#include "orvik/api/UnitVector.h"

namespace Orvik {

// A named viewpoint of the model. Optional values answer kUnspecified and leave their output
// alone when the document did not give them.
class ICamera : public IObject, public IVisible, public ITransformable {
public:
    enum CameraTypeEnum { kCameraType_Parallel = 0, kCameraType_Perspective = 1 };
    enum StereoRoleEnum { kStereoRole_Mono = 0, kStereoRole_Left = 1, kStereoRole_Right = 2 };

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual CameraTypeEnum Type() const = 0;
    virtual IsValueSpecifiedEnum Unit(UnitTypeEnum& unit) const = 0;
    virtual Orvik::Position Position() const = 0;
    virtual UnitVector Direction() const = 0;
    virtual UnitVector UpDirection() const = 0;
    virtual IsValueSpecifiedEnum DistanceToViewPlane(double& value) const = 0;
    virtual IsValueSpecifiedEnum AspectRatio(double& value) const = 0;
    virtual IsValueSpecifiedEnum ViewAngle(double& value) const = 0;
    virtual IsValueSpecifiedEnum ViewWindowHeightForParallelCamera(double& value) const = 0;
    virtual IsValueSpecifiedEnum IsDepthFieldDefined(bool& value) const = 0;
    virtual IsValueSpecifiedEnum NearPlane(Plane& plane) const = 0;
    virtual IsValueSpecifiedEnum FarPlane(Plane& plane) const = 0;
    // Physical-camera values; cameras without them keep these answers.
    virtual IsValueSpecifiedEnum VerticalAperture(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum VerticalApertureOffset(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum HorizontalApertureOffset(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum FStop(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum StereoRole(StereoRoleEnum&) const { return kNone; }
    virtual IsValueSpecifiedEnum Exposure(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum ShutterOpenTime(double&) const { return kNone; }
    virtual IsValueSpecifiedEnum ShutterCloseTime(double&) const { return kNone; }

    bool IsVisible() const override { return true; }
    const Matrix3d& Transform() const override {
        static const Matrix3d identity;
        return identity;
    }

private:
    static constexpr IsValueSpecifiedEnum kNone = IsValueSpecifiedEnum::kUnspecified;
};

} // namespace Orvik
