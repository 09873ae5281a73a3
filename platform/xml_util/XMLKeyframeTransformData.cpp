#include "xml_util/XMLKeyframeTransformData.h"

#include "orvik/api/NumericConverter.h"

namespace Orvik {

unsigned long XMLKeyframeTransformData::FrameCount() const {
    return NumericConverter::SizeToULong(m_frames.size());
}

void XMLKeyframeTransformData::TransformAt(unsigned long index, double& frame,
                                           Matrix3d& transform) const {
    if (index >= m_frames.size())
        return;
    frame = m_frames[index].first;
    transform = m_frames[index].second;
}

IsValueSpecifiedEnum XMLKeyframeTransformData::LengthUnit(UnitTypeEnum& unit) const {
    if (!m_hasUnit)
        return IsValueSpecifiedEnum::kUnspecified;
    unit = m_unit;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
