#include "presentation/XMLCamera.h"

#include "geometry/PlaneElementReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "presentation/SceneAttributeReader.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using Values = SceneAttributeReader;

// The last "PlaneData" of a "NearPlane" or "FarPlane" child; none leaves the plane unset.
void ReadBoundingPlane(const DOMElement& child, std::optional<Plane>& plane, ReadContext& context) {
    ElementWalk::ForEachChildElement(child, [&](const DOMElement& data) {
        if (!ElementWalk::IsNamed(data, u"PlaneData"))
            return;
        Plane read;
        PlaneElementReader::ReadPlaneElement(&data, read, &context);
        plane = read;
    });
}

} // namespace

XMLCamera::XMLCamera(const UTF8String& id, const UTF16String& label)
    : XMLEntity(id, label) {}

void XMLCamera::Read(const DOMElement& element, ReadContext& context) {
    ReadAttributes(element, context);
    ElementWalk::ForEachChildElement(element,
                                     [&](const DOMElement& child) { ReadChild(child, context); });
}

void XMLCamera::ReadAttributes(const DOMElement& element, ReadContext& context) {
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        SetVersionPersistentId(versionId);
    // Any name but the perspective one is a parallel camera.
    m_type = xercesc::XMLString::equals(element.getAttribute(u"Type"), u"kCameraType_Perspective")
                 ? kCameraType_Perspective
                 : kCameraType_Parallel;
    m_distanceToViewPlane = Values::Double(element, u"DistanceToViewPlane", context);
    m_aspectRatio = Values::Double(element, u"AspectRatio", context);
    m_viewAngle = Values::Double(element, u"ViewAngle", context);
    m_viewWindowHeight = Values::Double(element, u"ViewWindowHeightForParallelCamera", context);
    if (const std::optional<int> depth = Values::Int(element, u"IsDepthFieldDefined", context))
        m_depthFieldDefined = *depth != 0;
    m_verticalAperture = Values::Double(element, u"VerticalAperture", context);
    m_verticalApertureOffset = Values::Double(element, u"VerticalApertureOffset", context);
    m_horizontalApertureOffset = Values::Double(element, u"HorizontalApertureOffset", context);
    m_exposure = Values::Double(element, u"Exposure", context);
    m_fStop = Values::Double(element, u"FStop", context);
    m_shutterOpenTime = Values::Double(element, u"ShutterOpenTime", context);
    m_shutterCloseTime = Values::Double(element, u"ShutterCloseTime", context);
    UTF16String role;
    if (XMLUtils::GetNodeAttribute(&element, u"StereoRole", role)) {
        // Specified whenever present; a name the conversion does not know reads as mono.
        StereoRoleEnum value = kStereoRole_Mono;
        if (!XMLUtils::StereoRoleTypeFromString(role, value))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"" + role.ToUTF8() + "\" names no stereo role; mono"));
        m_stereoRole = value;
    }
    if (const std::optional<int> visibility = Values::Int(element, u"Visibility", context))
        m_visible = *visibility == 1;
}

void XMLCamera::ReadChild(const DOMElement& child, ReadContext& context) {
    if (ElementWalk::IsNamed(child, u"Unit")) {
        Values::Unit(child, u"LengthUnit", context, m_unit);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        Matrix3d matrix;
        if (Values::Transform(child, context, matrix))
            m_transform = std::make_unique<Matrix3d>(matrix);
    } else if (ElementWalk::IsNamed(child, u"CameraPosition")) {
        double x = 0.0, y = 0.0, z = 0.0;
        ElementReaders::ReadXYZLoose(&child, x, y, z);
        m_position.Set(x, y, z);
    } else if (ElementWalk::IsNamed(child, u"CameraDirection")) {
        PlaneElementReader::ReadDirection(child, m_direction, &context);
    } else if (ElementWalk::IsNamed(child, u"CameraUpDirection")) {
        PlaneElementReader::ReadDirection(child, m_upDirection, &context);
    } else if (ElementWalk::IsNamed(child, u"NearPlane")) {
        ReadBoundingPlane(child, m_nearPlane, context);
    } else if (ElementWalk::IsNamed(child, u"FarPlane")) {
        ReadBoundingPlane(child, m_farPlane, context);
    } else if (ElementWalk::IsNamed(child, u"Animations")) {
        IdSet animations;
        ElementReaders::ReadIdRefs(&context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   animations);
        m_animations = std::move(animations);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(context, child, *this);
    }
}

IsValueSpecifiedEnum XMLCamera::KeyframeAnimationChannels(IdSet& out) const {
    return Values::AnswerUnlessEmpty(m_animations, out);
}

const Matrix3d& XMLCamera::Transform() const {
    return m_transform ? *m_transform : ICamera::Transform();
}

IsValueSpecifiedEnum XMLCamera::Unit(UnitTypeEnum& unit) const {
    unit = m_unit;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLCamera::DistanceToViewPlane(double& value) const {
    return Values::Answer(m_distanceToViewPlane, value);
}

IsValueSpecifiedEnum XMLCamera::AspectRatio(double& value) const {
    return Values::Answer(m_aspectRatio, value);
}

IsValueSpecifiedEnum XMLCamera::ViewAngle(double& value) const {
    return Values::Answer(m_viewAngle, value);
}

IsValueSpecifiedEnum XMLCamera::ViewWindowHeightForParallelCamera(double& value) const {
    return Values::Answer(m_viewWindowHeight, value);
}

IsValueSpecifiedEnum XMLCamera::IsDepthFieldDefined(bool& value) const {
    return Values::Answer(m_depthFieldDefined, value);
}

IsValueSpecifiedEnum XMLCamera::NearPlane(Plane& plane) const {
    return Values::Answer(m_nearPlane, plane);
}

IsValueSpecifiedEnum XMLCamera::FarPlane(Plane& plane) const {
    return Values::Answer(m_farPlane, plane);
}

IsValueSpecifiedEnum XMLCamera::VerticalAperture(double& value) const {
    return Values::Answer(m_verticalAperture, value);
}

IsValueSpecifiedEnum XMLCamera::VerticalApertureOffset(double& value) const {
    return Values::Answer(m_verticalApertureOffset, value);
}

IsValueSpecifiedEnum XMLCamera::HorizontalApertureOffset(double& value) const {
    return Values::Answer(m_horizontalApertureOffset, value);
}

IsValueSpecifiedEnum XMLCamera::FStop(double& value) const {
    return Values::Answer(m_fStop, value);
}

IsValueSpecifiedEnum XMLCamera::StereoRole(StereoRoleEnum& role) const {
    return Values::Answer(m_stereoRole, role);
}

IsValueSpecifiedEnum XMLCamera::Exposure(double& value) const {
    return Values::Answer(m_exposure, value);
}

IsValueSpecifiedEnum XMLCamera::ShutterOpenTime(double& value) const {
    return Values::Answer(m_shutterOpenTime, value);
}

IsValueSpecifiedEnum XMLCamera::ShutterCloseTime(double& value) const {
    return Values::Answer(m_shutterCloseTime, value);
}

} // namespace Orvik
