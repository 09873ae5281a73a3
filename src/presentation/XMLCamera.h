#pragma once

#include "orvik/api/ICamera.h"
#include "orvik/api/IdSet.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A member of a "CameraSet": a named viewpoint of the model.
class XMLCamera : public XMLEntity<ICamera> {
public:
    XMLCamera(const UTF8String& id, const UTF16String& label);

    // Reads the element's attributes and children; an "ISectionCamera" child is left to the
    // caller, which wraps the camera in a section camera.
    void Read(const xercesc::DOMElement& element, ReadContext& context);

    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override;

    bool IsVisible() const override { return m_visible; }
    // The identity when the document gave none, as for every transformable object.
    const Matrix3d& Transform() const override;

    CameraTypeEnum Type() const override { return m_type; }
    IsValueSpecifiedEnum Unit(UnitTypeEnum& unit) const override;
    Orvik::Position Position() const override { return m_position; }
    UnitVector Direction() const override { return m_direction; }
    UnitVector UpDirection() const override { return m_upDirection; }
    IsValueSpecifiedEnum DistanceToViewPlane(double& value) const override;
    IsValueSpecifiedEnum AspectRatio(double& value) const override;
    IsValueSpecifiedEnum ViewAngle(double& value) const override;
    IsValueSpecifiedEnum ViewWindowHeightForParallelCamera(double& value) const override;
    IsValueSpecifiedEnum IsDepthFieldDefined(bool& value) const override;
    IsValueSpecifiedEnum NearPlane(Plane& plane) const override;
    IsValueSpecifiedEnum FarPlane(Plane& plane) const override;
    IsValueSpecifiedEnum VerticalAperture(double& value) const override;
    IsValueSpecifiedEnum VerticalApertureOffset(double& value) const override;
    IsValueSpecifiedEnum HorizontalApertureOffset(double& value) const override;
    IsValueSpecifiedEnum FStop(double& value) const override;
    IsValueSpecifiedEnum StereoRole(StereoRoleEnum& role) const override;
    IsValueSpecifiedEnum Exposure(double& value) const override;
    IsValueSpecifiedEnum ShutterOpenTime(double& value) const override;
    IsValueSpecifiedEnum ShutterCloseTime(double& value) const override;

private:
    void ReadAttributes(const xercesc::DOMElement& element, ReadContext& context);
    void ReadChild(const xercesc::DOMElement& child, ReadContext& context);

    CameraTypeEnum m_type = kCameraType_Parallel;
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
    Orvik::Position m_position;
    UnitVector m_direction;
    UnitVector m_upDirection;
    std::optional<double> m_distanceToViewPlane;
    std::optional<double> m_aspectRatio;
    std::optional<double> m_viewAngle;
    std::optional<double> m_viewWindowHeight;
    std::optional<bool> m_depthFieldDefined;
    std::optional<Plane> m_nearPlane;
    std::optional<Plane> m_farPlane;
    std::optional<double> m_verticalAperture;
    std::optional<double> m_verticalApertureOffset;
    std::optional<double> m_horizontalApertureOffset;
    std::optional<double> m_fStop;
    std::optional<StereoRoleEnum> m_stereoRole;
    std::optional<double> m_exposure;
    std::optional<double> m_shutterOpenTime;
    std::optional<double> m_shutterCloseTime;
    bool m_visible = true;
    std::unique_ptr<Matrix3d> m_transform;
    IdSet m_animations;
};

} // namespace Orvik
