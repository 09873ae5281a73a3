#pragma once

#include "orvik/api/IGeometry.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>

namespace Orvik {

// A single position.
class IPoint : public IGeometry {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual double X() const = 0;
    virtual double Y() const = 0;
    virtual double Z() const = 0;
    virtual bool IsGraphicPMI_ex() const { return false; }
    // Marker details the document does not carry: answered as constants.
    virtual std::int32_t MarkerType() const = 0;
    virtual UTF8String MarkerName() const = 0;
    virtual double MarkerSize() const = 0;
    // The identity is not stored.
    virtual void SetTransform(const Matrix3d& transform) = 0;
};

} // namespace Orvik
