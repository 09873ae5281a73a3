#pragma once

#include "orvik/api/ISectionCamera.h"
#include "presentation/XMLCamera.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <vector>

namespace Orvik {

// A camera with section planes. It answers the viewpoint from the camera it wraps; the
// physical-camera values, visibility, transform and animations keep the framework's answers.
class XMLSectionCamera : public XMLEntity<ISectionCamera> {
public:
    explicit XMLSectionCamera(std::unique_ptr<XMLCamera> camera);

    void AddPlane(const Plane& plane) { m_planes.push_back(plane); }
    void SetSectioningOperations(const UTF8String& operations) { m_operations = operations; }

    CameraTypeEnum Type() const override { return m_camera->Type(); }
    IsValueSpecifiedEnum Unit(UnitTypeEnum& unit) const override { return m_camera->Unit(unit); }
    Orvik::Position Position() const override { return m_camera->Position(); }
    UnitVector Direction() const override { return m_camera->Direction(); }
    UnitVector UpDirection() const override { return m_camera->UpDirection(); }
    IsValueSpecifiedEnum DistanceToViewPlane(double& value) const override {
        return m_camera->DistanceToViewPlane(value);
    }
    IsValueSpecifiedEnum AspectRatio(double& value) const override {
        return m_camera->AspectRatio(value);
    }
    IsValueSpecifiedEnum ViewAngle(double& value) const override {
        return m_camera->ViewAngle(value);
    }
    IsValueSpecifiedEnum ViewWindowHeightForParallelCamera(double& value) const override {
        return m_camera->ViewWindowHeightForParallelCamera(value);
    }
    IsValueSpecifiedEnum IsDepthFieldDefined(bool& value) const override {
        return m_camera->IsDepthFieldDefined(value);
    }
    IsValueSpecifiedEnum NearPlane(Plane& plane) const override {
        return m_camera->NearPlane(plane);
    }
    IsValueSpecifiedEnum FarPlane(Plane& plane) const override { return m_camera->FarPlane(plane); }

    std::size_t PlaneCount() const override { return m_planes.size(); }
    Plane PlaneAt(std::size_t index) const override;
    UTF8String SectioningOperations() const override { return m_operations; }

private:
    std::unique_ptr<XMLCamera> m_camera;
    std::vector<Plane> m_planes;
    UTF8String m_operations;
};

} // namespace Orvik
