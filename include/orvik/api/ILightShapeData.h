#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Position.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

class IDiskLightData;
class IDirectionalLightData;
class IDomeLightData;
class ISphereLightData;
class IRectLightData;

// Double dispatch on the kind of emitter; the defaults do nothing.
class LightShapeDataVisitor {
public:
    virtual ~LightShapeDataVisitor() = default;
    virtual void Visit(IDiskLightData&) {}
    virtual void Visit(IDirectionalLightData&) {}
    virtual void Visit(IDomeLightData&) {}
    virtual void Visit(ISphereLightData&) {}
    virtual void Visit(IRectLightData&) {}
};

// What kind of emitter a light is, with that kind's own values.
class ILightShapeData {
public:
    virtual ~ILightShapeData() = default;
    virtual void AcceptVisitor(LightShapeDataVisitor* visitor) = 0;
};

class IDiskLightData : public ILightShapeData {
public:
    void AcceptVisitor(LightShapeDataVisitor* visitor) override { visitor->Visit(*this); }
    virtual double Radius() const = 0;
};

class IDirectionalLightData : public ILightShapeData {
public:
    void AcceptVisitor(LightShapeDataVisitor* visitor) override { visitor->Visit(*this); }
    virtual IsValueSpecifiedEnum Angle(double& angle) const = 0;
};

class IDomeLightData : public ILightShapeData {
public:
    enum DomeTextureFormatEnum {
        kDomeTextureFormat_Unknown = 0,
        kDomeTextureFormat_LatLong = 1,
        kDomeTextureFormat_MirroredBall = 2,
        kDomeTextureFormat_Angular = 3,
        kDomeTextureFormat_CubeMap = 4,
    };

    void AcceptVisitor(LightShapeDataVisitor* visitor) override { visitor->Visit(*this); }
    virtual IsValueSpecifiedEnum TextureFile(UTF16String& path) const = 0;
    // 0 when no texture file is set.
    virtual DomeTextureFormatEnum TextureFormat() const = 0;
    virtual IsValueSpecifiedEnum GuideRadius(double& radius) const = 0;
};

class ISphereLightData : public ILightShapeData {
public:
    void AcceptVisitor(LightShapeDataVisitor* visitor) override { visitor->Visit(*this); }
    virtual double Radius() const = 0;
    virtual bool IsPointLight() const = 0;
};

class IRectLightData : public ILightShapeData {
public:
    void AcceptVisitor(LightShapeDataVisitor* visitor) override { visitor->Visit(*this); }
    virtual void Corners(Position& topLeft, Position& bottomLeft, Position& topRight,
                         Position& bottomRight) const = 0;
    virtual IsValueSpecifiedEnum TextureFile(UTF16String& path) const = 0;
};

} // namespace Orvik
