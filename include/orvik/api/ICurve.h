#pragma once

#include "orvik/api/ICurveData.h"
#include "orvik/api/IGeometry.h"
#include "orvik/api/ISubEntityStyles.h"
#include "orvik/api/Matrix3d.h"

#include <cstdint>
#include <vector>

namespace Orvik {

namespace Veld {
class curve;
} // namespace Veld

// A curve: parsed curve-data records, or curves of the modelling kernel, or both.
class ICurve : public IGeometry, public ISubEntityStyles {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    // At least 1: a curve without records answers one null entry.
    virtual std::uint32_t CurveDataCount() const = 0;
    // Owned by the curve; may be null. Throws std::out_of_range for an index not below the count.
    virtual const ICurveData* CurveDataAt(std::uint32_t index) const = 0;
    virtual bool IsGraphicPMI_ex() const { return false; }
    // Replaces the contents of curves; the kernel curves stay owned by the producer.
    virtual void KernelCurves(std::vector<const Veld::curve*>& curves) const = 0;
    // The identity is not stored.
    virtual void SetTransform(const Matrix3d& transform) = 0;
    // False when no transform other than the identity was given; Transform() then answers the
    // identity.
    virtual bool HasTransform() const = 0;
};

} // namespace Orvik
