#pragma once

#include "orvik/api/IKeyframeTypeData.h"

#include <utility>
#include <vector>

namespace Orvik {

// Transform keyframes, from the animation side file or written inline in the document.
class XMLKeyframeTransformData : public IKeyframeTransformData {
public:
    using Frame = std::pair<double, Matrix3d>;

    explicit XMLKeyframeTransformData(std::vector<Frame> frames)
        : m_frames(std::move(frames)) {}

    void SetLengthUnit(UnitTypeEnum unit) {
        m_unit = unit;
        m_hasUnit = true;
    }

    unsigned long FrameCount() const override;
    void TransformAt(unsigned long index, double& frame, Matrix3d& transform) const override;
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;

private:
    std::vector<Frame> m_frames;
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
    bool m_hasUnit = false;
};

} // namespace Orvik
